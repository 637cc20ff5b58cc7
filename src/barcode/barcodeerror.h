#pragma once
#include <QString>

// The translated message for a refusal code (context "QObject").
QString barcodeErrorMessage(quint8 code);

// The sentence naming the first character of content that the refusing symbology cannot encode and its
// place (counted from 1), given the characters encoded before the refusal; empty when the refusal is
// about the length or the size, not a character.
QString barcodeRefusedCharacter(quint8 code, const QString &content, int encodedCharacters);
