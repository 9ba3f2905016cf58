#include "ui/Pictures.h"

#include <array>
#include <memory>

namespace {

QImage Load(const QString& path) {
    QImage image(path);
    // Kept in the format the screen is painted in, so drawing is a plain copy.
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

TQtPicture::TQtPicture(const QString& name)
    : FSingle(Load(QStringLiteral(":/pictures/%1.bmp").arg(name))),
      FDouble(Load(QStringLiteral(":/pictures/%1@2x.bmp").arg(name))) {}

// The pictures are a resource of this library; naming it keeps the linker
// from dropping it.
static void InitPictureResource() {
    Q_INIT_RESOURCE(pictures);
}

void LoadPictureTables() {
    InitPictureResource();
    // The picture holders live as long as the program, like the window's.
    static const std::array<std::unique_ptr<TQtPicture>, JewelKinds + 1> jewels = [] {
        std::array<std::unique_ptr<TQtPicture>, JewelKinds + 1> result;
        result[0] = std::make_unique<TQtPicture>(QStringLiteral("blank"));
        for (int k = 1; k <= JewelKinds; ++k) {
            result[k] = std::make_unique<TQtPicture>(QStringLiteral("jewel%1").arg(k));
        }
        return result;
    }();
    static const std::array<std::unique_ptr<TQtPicture>, VanishFrameCount> frames = [] {
        std::array<std::unique_ptr<TQtPicture>, VanishFrameCount> result;
        for (int f = 0; f < VanishFrameCount; ++f) {
            result[f] = std::make_unique<TQtPicture>(QStringLiteral("vanish%1").arg(f + 1));
        }
        return result;
    }();
    for (int k = 0; k <= JewelKinds; ++k) {
        JewelPictures[k] = jewels[k].get();
    }
    for (int f = 0; f < VanishFrameCount; ++f) {
        VanishFrames[f] = frames[f].get();
    }
}
