#pragma once
// GS1 Digital Link URIs (https://id.gs1.org/01/09501101020917/10/ABC123?17=270305): the identifiers
// and values a URI carries, checked against the rules of the GS1 General Specifications (lengths,
// character sets, check digits, dates) and of the Digital Link URI syntax (which identifiers go in the
// path, and in which order). Plain text in, plain values out: no picture, no widget.
#include <QDate>
#include <QString>
#include <QVector>

// One element: an application identifier (AI) and its value, percent-decoded. A GTIN is kept as written
// (8, 12, 13 or 14 digits); sameElements() compares GTINs at their 14-digit length.
struct gs1Element {
    QString ai;
    QString value;
    bool operator==(const gs1Element &other) const { return ai == other.ai && value == other.value; }
};

enum class gs1ProblemKind {
    checkDigit,      // expected: the computed digit, found: the typed one
    length,          // expected: the allowed lengths, as text
    characters,      // found: the characters outside the AI's character set
    date,            // the value is no date YYMMDD (day 00 allowed)
    encoding,        // found: a broken percent escape or a character a URI must escape
    pathOrder,       // found: the AI it follows in the path (empty: it may not be in the path at all)
    notQualifier,    // the AI is no qualifier of the path's primary key
    missingValue,    // the path ends after an AI
    duplicate,       // the AI is given twice
    expiryBeforeMade // the expiry (17) lies before the production date (11)
};

struct gs1Problem {
    gs1ProblemKind kind;
    QString ai;
    QString value;
    QString expected;
    QString found;
};

struct gs1DigitalLink {
    bool recognised = false;      // an http(s) URI whose path holds a primary key
    QString stem;                 // scheme, domain and any path before the primary key
    QVector<gs1Element> elements; // the path's, then the query's, in their order
    QVector<gs1Problem> problems; // empty: the URI is sound

    // The elements, for one line: "(01) 09501101020917 (10) ABC123".
    QString elementsText() const;
    // Both carry the same AIs with the same values, whatever the order of the query.
    bool sameElements(const gs1DigitalLink &other) const;
    QString value(const QString &ai) const;
};

// Reads uri as a GS1 Digital Link. Two-digit years are placed in a century around `today` as the General
// Specifications say (an invalid date: the current date).
gs1DigitalLink parseGs1DigitalLink(const QString &uri, const QDate &today = QDate());
// The operator's sentence for a problem (context "gs1DigitalLink").
QString gs1ProblemText(const gs1Problem &problem);
// The kind's name for programs ("checkDigit"), the same in every language.
const char *gs1ProblemName(gs1ProblemKind kind);
// The check digit ('0' to '9') of a GTIN, SSCC or GLN written without it; a null character when a
// character is no digit.
QChar gs1CheckDigit(const QString &digitsWithoutCheck);
// A YYMMDD value as a date (day 00: the last day of the month); invalid when it is none.
QDate gs1Date(const QString &yymmdd, const QDate &today = QDate());
// A value as it goes into a Digital Link path or query: characters a URI reserves are escaped.
QString gs1PercentEncoded(const QString &value);
