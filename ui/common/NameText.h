// Player names as the screen shows them.
#pragma once

#include <QString>

#include <string>

// A name as the profile keeps it, as bytes: UTF-8 when it is valid UTF-8,
// otherwise Windows-1252, the code page of profiles written on Windows.
// Every byte string gives some text; nothing is dropped.
QString NameText(const std::string& name);

// Text the player typed, kept as UTF-8 bytes.
std::string NameBytes(const QString& text);
