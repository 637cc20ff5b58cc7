// GS1 Digital Link URIs: the examples the GS1 Digital Link standard publishes, faults of each kind the
// checker names, GTIN check digits of all four lengths and YYMMDD dates around month ends, leap years
// and the century window.
#include "gs1digitallink.h"

#include <QtTest>

namespace
{
// "kind:ai" for each problem, in the order found.
QStringList problemKeys(const gs1DigitalLink &link)
{
    QStringList keys;
    for (const gs1Problem &problem : link.problems)
        keys << QStringLiteral("%1:%2").arg(QLatin1String(gs1ProblemName(problem.kind)), problem.ai);
    return keys;
}
} // namespace

class gs1DigitalLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void uris_data();
    void uris();
    void problemTextsNameTheDigits();
    void checkDigits_data();
    void checkDigits();
    void dates_data();
    void dates();
    void readBackComparison();
};

void gs1DigitalLinkTest::uris_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<bool>("recognised");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QStringList>("problems");
    const QString gtin = QStringLiteral("https://id.gs1.org/01/09520123456788");
    // The standard's own examples.
    QTest::newRow("GTIN") << gtin << true << "(01) 09520123456788" << QStringList();
    QTest::newRow("lot with an escaped slash, serial, expiry")
        << gtin + "/10/ABC%2F123/21/12345?17=180426" << true
        << "(01) 09520123456788 (10) ABC/123 (21) 12345 (17) 180426" << QStringList();
    QTest::newRow("consumer product variant") << "https://example.com/01/09520123456788/22/2A" << true
                                              << "(01) 09520123456788 (22) 2A" << QStringList();
    QTest::newRow("SSCC") << "https://id.gs1.org/00/952012345678912345" << true << "(00) 952012345678912345"
                          << QStringList();
    QTest::newRow("GLN with extension") << "https://id.gs1.org/414/9520123456788/254/32a%2Fb" << true
                                        << "(414) 9520123456788 (254) 32a/b" << QStringList();
    QTest::newRow("net weight, an AI left unchecked")
        << gtin + "?3103=000195" << true << "(01) 09520123456788 (3103) 000195" << QStringList();
    QTest::newRow("GTIN-13 under a path of the brand's own")
        << "https://example.com/products/01/9780345418913" << true << "(01) 9780345418913" << QStringList();
    QTest::newRow("third-party serial")
        << gtin + "/235/ABC" << true << "(01) 09520123456788 (235) ABC" << QStringList();
    QTest::newRow("resolver parameters are not AIs")
        << gtin + "?linkType=gs1:pip&17=180400" << true << "(01) 09520123456788 (17) 180400" << QStringList();
    QTest::newRow("issue example")
        << "https://id.gs1.org/01/09501101020917/10/ABC123/21/1234?11=261209&17=270305" << true
        << "(01) 09501101020917 (10) ABC123 (21) 1234 (11) 261209 (17) 270305" << QStringList();
    // Faults.
    QTest::newRow("check digit") << "https://id.gs1.org/01/09520123456789" << true << "(01) 09520123456789"
                                 << QStringList{"checkDigit:01"};
    QTest::newRow("GTIN of 11 digits")
        << "https://id.gs1.org/01/95201234567" << true << "(01) 95201234567" << QStringList{"length:01"};
    QTest::newRow("serial before lot")
        << gtin + "/21/12345/10/ABC" << true << "(01) 09520123456788 (21) 12345 (10) ABC"
        << QStringList{"pathOrder:10"};
    QTest::newRow("expiry in the path")
        << gtin + "/17/180426" << true << "(01) 09520123456788 (17) 180426" << QStringList{"pathOrder:17"};
    QTest::newRow("serial and third-party serial")
        << gtin + "/21/1/235/X" << true << "(01) 09520123456788 (21) 1 (235) X"
        << QStringList{"pathOrder:235"};
    QTest::newRow("GLN extension under a GTIN")
        << gtin + "/254/1" << true << "(01) 09520123456788 (254) 1" << QStringList{"notQualifier:254"};
    QTest::newRow("lot without value")
        << gtin + "/10" << true << "(01) 09520123456788" << QStringList{"missingValue:10"};
    QTest::newRow("trailing slash") << gtin + "/" << true << "(01) 09520123456788" << QStringList();
    QTest::newRow("lot of 21 characters")
        << gtin + "/10/ABCDEFGHIJKLMNOPQRSTU" << true << "(01) 09520123456788 (10) ABCDEFGHIJKLMNOPQRSTU"
        << QStringList{"length:10"};
    QTest::newRow("tilde outside set 82")
        << gtin + "/21/A~B" << true << "(01) 09520123456788 (21) A~B" << QStringList{"characters:21"};
    QTest::newRow("broken escape") << gtin + "/10/A%ZZ" << true << "(01) 09520123456788 (10) A%ZZ"
                                   << QStringList{"encoding:10"};
    QTest::newRow("unescaped space") << gtin + "/10/A B" << true << "(01) 09520123456788 (10) A B"
                                     << QStringList{"encoding:10", "characters:10"};
    QTest::newRow("29 February 2027")
        << gtin + "?17=270229" << true << "(01) 09520123456788 (17) 270229" << QStringList{"date:17"};
    QTest::newRow("month 13") << gtin + "?11=271301" << true << "(01) 09520123456788 (11) 271301"
                              << QStringList{"date:11"};
    QTest::newRow("expiry twice") << gtin + "?17=270101&17=270102" << true
                                  << "(01) 09520123456788 (17) 270101 (17) 270102"
                                  << QStringList{"duplicate:17"};
    QTest::newRow("expiry before production")
        << gtin + "?11=270305&17=270304" << true << "(01) 09520123456788 (11) 270305 (17) 270304"
        << QStringList{"expiryBeforeMade:17"};
    QTest::newRow("expiry day 00 is the month's last day")
        << gtin + "?11=270331&17=270300" << true << "(01) 09520123456788 (11) 270331 (17) 270300"
        << QStringList();
    QTest::newRow("production day 00 is the month's first day")
        << gtin + "?11=270400&17=270331" << true << "(01) 09520123456788 (11) 270400 (17) 270331"
        << QStringList{"expiryBeforeMade:17"};
    // Not Digital Link at all: nothing to check.
    QTest::newRow("plain text") << "TALMOR_K3" << false << "" << QStringList();
    QTest::newRow("web page") << "https://example.com/products/123" << false << "" << QStringList();
    QTest::newRow("other scheme") << "ftp://id.gs1.org/01/09520123456788" << false << "" << QStringList();
}

void gs1DigitalLinkTest::uris()
{
    QFETCH(QString, uri);
    QFETCH(bool, recognised);
    QFETCH(QString, elements);
    QFETCH(QStringList, problems);
    const gs1DigitalLink link = parseGs1DigitalLink(uri, QDate(2026, 12, 9));
    QCOMPARE(link.recognised, recognised);
    QCOMPARE(link.elementsText(), elements);
    QCOMPARE(problemKeys(link), problems);
}

void gs1DigitalLinkTest::problemTextsNameTheDigits()
{
    const gs1DigitalLink link = parseGs1DigitalLink(QStringLiteral("https://id.gs1.org/01/09501101020918"));
    QCOMPARE(link.problems.size(), 1);
    QCOMPARE(gs1ProblemText(link.problems.first()),
             QStringLiteral("(01) 09501101020918：输入的校验位是 8，计算出的是 7"));
    QCOMPARE(link.problems.first().found, QStringLiteral("8"));
    QCOMPARE(link.problems.first().expected, QStringLiteral("7"));
}

void gs1DigitalLinkTest::checkDigits_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("check");
    QTest::newRow("GTIN-8") << "9638507"
                            << "4";
    QTest::newRow("GTIN-12") << "03600029145"
                             << "2";
    QTest::newRow("GTIN-13") << "400638133393"
                             << "1";
    QTest::newRow("GTIN-14") << "0950110102091"
                             << "7";
    QTest::newRow("SSCC") << "95201234567891234"
                          << "5";
    QTest::newRow("letter") << "40063813339A"
                            << "";
}

void gs1DigitalLinkTest::checkDigits()
{
    QFETCH(QString, digits);
    QFETCH(QString, check);
    const QChar computed = gs1CheckDigit(digits);
    QCOMPARE(computed.isNull() ? QString() : QString(computed), check);
    if (check.isEmpty())
        return;
    // The same digit makes a sound URI of every length; any other is named.
    const QString uri = QStringLiteral("https://id.gs1.org/01/") + digits;
    if (digits.size() == 17)
        return;
    QVERIFY(parseGs1DigitalLink(uri + check).problems.isEmpty());
    const QString wrong = QString::number((check.toInt() + 1) % 10);
    QCOMPARE(problemKeys(parseGs1DigitalLink(uri + wrong)), QStringList{"checkDigit:01"});
}

void gs1DigitalLinkTest::dates_data()
{
    QTest::addColumn<QString>("yymmdd");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    const QDate now(2026, 12, 9);
    QTest::newRow("leap day") << "280229" << now << QDate(2028, 2, 29);
    QTest::newRow("no leap day") << "270229" << now << QDate();
    QTest::newRow("day 00 of a leap February") << "240200" << now << QDate(2024, 2, 29);
    QTest::newRow("day 00 of February") << "230200" << now << QDate(2023, 2, 28);
    QTest::newRow("day 00 of April") << "270400" << now << QDate(2027, 4, 30);
    QTest::newRow("31 December") << "271231" << now << QDate(2027, 12, 31);
    QTest::newRow("31 April") << "270431" << now << QDate();
    QTest::newRow("month 00") << "270015" << now << QDate();
    QTest::newRow("day 00 of month 13") << "271300" << now << QDate();
    QTest::newRow("2000 was a leap year") << "000229" << now << QDate(2000, 2, 29);
    QTest::newRow("2100 is none") << "000229" << QDate(2080, 1, 1) << QDate();
    QTest::newRow("50 years ahead stay") << "760101" << now << QDate(2076, 1, 1);
    QTest::newRow("51 years ahead go back") << "770101" << now << QDate(1977, 1, 1);
    QTest::newRow("50 years behind go ahead") << "300101" << QDate(2080, 6, 1) << QDate(2130, 1, 1);
    QTest::newRow("not digits") << "27O101" << now << QDate();
}

void gs1DigitalLinkTest::dates()
{
    QFETCH(QString, yymmdd);
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QCOMPARE(gs1Date(yymmdd, today), date);
    // The checker judges an expiry by the same rule.
    const gs1DigitalLink link =
        parseGs1DigitalLink(QStringLiteral("https://id.gs1.org/01/09520123456788?17=") + yymmdd, today);
    QCOMPARE(link.problems.isEmpty(), date.isValid());
}

// A symbol read back carries the same AIs when only the query's order or the GTIN's padding differ.
void gs1DigitalLinkTest::readBackComparison()
{
    const gs1DigitalLink composed = parseGs1DigitalLink(
        QStringLiteral("https://id.gs1.org/01/9520123456788/10/A%2FB?11=261209&17=270305"));
    QVERIFY(composed.sameElements(parseGs1DigitalLink(
        QStringLiteral("https://example.com/01/09520123456788/10/A%2fB?17=270305&11=261209"))));
    QVERIFY(!composed.sameElements(parseGs1DigitalLink(
        QStringLiteral("https://id.gs1.org/01/9520123456788/10/A%2FB?11=261210&17=270305"))));
    QVERIFY(
        !composed.sameElements(parseGs1DigitalLink(QStringLiteral("https://id.gs1.org/01/9520123456788"))));
    QCOMPARE(gs1PercentEncoded(QStringLiteral("A/B 1%")), QStringLiteral("A%2FB%201%25"));
}

QTEST_GUILESS_MAIN(gs1DigitalLinkTest)
#include "test_gs1digitallink.moc"
