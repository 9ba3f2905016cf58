#include "ui/common/NameText.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QStringDecoder>

#include <array>

namespace {

// Bytes 0x80..0x9F of Windows-1252. The five bytes the code page leaves
// undefined keep their own value, as Windows itself decodes them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(Cp1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// The high-score table's default name (store/HighScoreTable.cpp).
const char* const DefaultName = QT_TRANSLATE_NOOP("NameText", "Nobody");

QString ShownDefaultName() {
    return QCoreApplication::translate("NameText", DefaultName);
}

} // namespace

QString NameText(const std::string& name) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(name.data(), static_cast<qsizetype>(name.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return FromWindows1252(name);
}

std::string NameBytes(const QString& text) {
    return text.toUtf8().toStdString();
}

QString ShownName(const std::string& name) {
    return name == DefaultName ? ShownDefaultName() : NameText(name);
}

std::string StoredName(const QString& text) {
    return text == ShownDefaultName() ? std::string(DefaultName) : NameBytes(text);
}
