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

// A name as the player reads it. "Nobody", the name the table gives a place
// no player has taken, is kept so in the profile in every language and shown
// in the player's.
QString ShownName(const std::string& name);

// A name the player confirmed, as the table keeps it: the shown "Nobody" of
// the player's language is kept as "Nobody".
std::string StoredName(const QString& text);
