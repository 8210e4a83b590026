// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QTranslator>

#include <string_view>

#include "dialer/country_finder.h"
#include "dialer/dialing_tables.h"
#include "dialer/findable_entries.h"
#include "dialer/other_names.h"

using dialer::Offer;

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// A list of a few entries, one of them in Japanese, with codes that share leading digits.
const std::vector<dialer::FindableEntry> &entries() {
    static const std::vector<dialer::FindableEntry> list = {
        {"Australia", {}, {"AU", "AUS"}, {"61"}},
        {"Canada", {}, {"CA", "CAN"}, {"1"}},
        {"Jamaica", {}, {"JM", "JAM"}, {"1 876"}},
        {"Niger", {}, {"NE", "NER"}, {"227"}},
        {"Nigeria", {}, {"NG", "NGA"}, {"234"}},
        {"Puerto Rico", {}, {"PR", "PRI"}, {"1 787", "1 939"}},
        {"Ukraine", {}, {"UA", "UKR"}, {"380"}},
        {"United Kingdom", {"UK", "Britain", "Great Britain"}, {"GB", "GBR"}, {"44"}},
        {QStringLiteral("\u7C73\u56FD"), // 米国
         {QStringLiteral("\u30A2\u30E1\u30EA\u30AB"), "United States of America", "USA"},
         {"US", "USA"},
         {"1"}},
    };
    return list;
}

// Offers written as "entry text", or "entry text (what was found)".
QStringList described(const std::vector<Offer> &offers) {
    QStringList lines;
    for (const Offer &offer : offers) {
        const QString name = entries().at(static_cast<std::size_t>(offer.entry)).shownName;
        lines << (offer.matched.isEmpty() ? name : name + " (" + offer.matched + ")");
    }
    return lines;
}

// Answers for the other names of the Netherlands only, as a translation would.
class OtherNamesTranslator : public QTranslator {
public:
    explicit OtherNamesTranslator(QString names) : names_(std::move(names)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override {
        if (qstrcmp(context, dialer::kOtherNamesContext) == 0 &&
            QByteArray(source).startsWith("Netherlands|"))
            return names_;
        return {};
    }

private:
    QString names_;
};

} // namespace

class TestCountryFinder : public QObject {
    Q_OBJECT

private slots:
    void finds_data();
    void finds();
    void dialCodes_data();
    void dialCodes();
    void tableEntries_data();
    void tableEntries();
    void everyDestinationHasItsOtherNames();
    void otherNamesTranslation_data();
    void otherNamesTranslation();
};

void TestCountryFinder::finds_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    const QString usa = QStringLiteral("\u7C73\u56FD");
    QTest::newRow("a code typed whole comes first")
        << "us" << QStringList{usa + " (US)", "Australia"};
    QTest::newRow("an alpha-3 code, in any case") << "GbR" << QStringList{"United Kingdom (GBR)"};
    QTest::newRow("a name typed whole comes first")
        << "uk" << QStringList{"United Kingdom (UK)", "Ukraine"};
    QTest::newRow("the shown name typed whole comes first")
        << "niger" << QStringList{"Niger", "Nigeria"};
    QTest::newRow("a shown name that holds a code is offered plainly")
        << "can" << QStringList{"Canada"};
    QTest::newRow("the first other name that matches is told")
        << "brit" << QStringList{"United Kingdom (Britain)"};
    QTest::newRow("an English name under another language")
        << "states" << QStringList{usa + " (United States of America)"};
    QTest::newRow("katakana, typed half-width")
        << QStringLiteral("\uFF71\uFF92\uFF98\uFF76")
        << QStringList{usa + QStringLiteral(" (\u30A2\u30E1\u30EA\u30AB)")};
    QTest::newRow("a country code without +") << "44" << QStringList{"United Kingdom (+44)"};
    QTest::newRow("a country code with +") << "+44" << QStringList{"United Kingdom (+44)"};
    QTest::newRow("full-width digits")
        << QStringLiteral("\uFF0B\uFF14\uFF14") << QStringList{"United Kingdom (+44)"};
    QTest::newRow("+1: the code itself first, then the codes that go on")
        << "+1"
        << QStringList{"Canada (+1)", usa + " (+1)", "Jamaica (+1 876)", "Puerto Rico (+1 787)"};
    QTest::newRow("+1 8 narrows to 1-8..") << "+1 8" << QStringList{"Jamaica (+1 876)"};
    QTest::newRow("an area code run together") << "1876" << QStringList{"Jamaica (+1 876)"};
    QTest::newRow("the second of two codes") << "+1-9" << QStringList{"Puerto Rico (+1 939)"};
    QTest::newRow("a whole number finds its longest code")
        << "+1 876 555 0100" << QStringList{"Jamaica (+1 876)"};
    QTest::newRow("a number written with its domestic prefix")
        << "+44 (0)20 7946 0000" << QStringList{"United Kingdom (+44)"};
    QTest::newRow("a number of no code") << "+999 123" << QStringList{};
    QTest::newRow("letters after digits are no number") << "44a" << QStringList{};
    QTest::newRow("nothing typed") << "" << QStringList{};
}

void TestCountryFinder::finds() {
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    const dialer::CountryFinder finder(entries());
    QCOMPARE(described(finder.find(typed)), offered);
}

void TestCountryFinder::dialCodes_data() {
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("country code, prefix") << "-44-(0)-" << QStringList{"44"};
    QTest::newRow("no prefix") << "-297-()-" << QStringList{"297"};
    QTest::newRow("North American area code") << "-1-876-" << QStringList{"1 876"};
    QTest::newRow("two forms") << "-1-787- or -1-939-" << QStringList{"1 787", "1 939"};
    QTest::newRow("alternatives inside the prefix") << "-82-(0 or 082)-" << QStringList{"82"};
    QTest::newRow("a tone to wait for") << "-7-(8~)-" << QStringList{"7"};
}

void TestCountryFinder::dialCodes() {
    QFETCH(QString, destination);
    QFETCH(QStringList, codes);
    QCOMPARE(dialer::dialCodes(destination.toStdString()), codes);
}

void TestCountryFinder::tableEntries_data() {
    QTest::addColumn<bool>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("someNames"); // among its other names, in this order
    QTest::newRow("United States: ISO's and everyday names")
        << false << 221 << QStringList{"US", "USA"} << QStringList{"USA", "United States"};
    QTest::newRow("Yugoslavia: a former country's codes")
        << false << 231 << QStringList{"YUCS", "YU", "YUG"} << QStringList{};
    QTest::newRow("a carrier is found as its country")
        << true << 133 << QStringList{"JP", "JPN"} << QStringList{};
    QTest::newRow("a carrier takes its country's other names")
        << true << 28 << QStringList{"BO", "BOL"} << QStringList{"Plurinational State of Bolivia"};
    QTest::newRow("another spelling in the source table takes the destination's names")
        << true << 45 << QStringList{"CV", "CPV"} << QStringList{"Cape Verde", "Cabo Verde"};
    QTest::newRow("Northern Ireland has no code of its own")
        << true << 125 << QStringList{} << QStringList{};
}

void TestCountryFinder::tableEntries() {
    QFETCH(bool, source);
    QFETCH(int, index);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, someNames);
    const auto at = static_cast<std::size_t>(index);
    const dialer::FindableEntry entry =
        source ? dialer::findableEntry(dialer::SourceAccessCodes.at(at))
               : dialer::findableEntry(dialer::DestinationCodes.at(at));
    QCOMPARE(entry.codes, codes);
    qsizetype last = -1;
    for (const QString &name : someNames) {
        const qsizetype at = entry.otherNames.indexOf(name);
        QVERIFY2(at > last, qPrintable(name + " in " + entry.otherNames.join('|')));
        last = at;
    }
    QVERIFY(!entry.otherNames.contains(entry.shownName));
}

// Each destination has the message a translator extends, beginning with its own text.
void TestCountryFinder::everyDestinationHasItsOtherNames() {
    for (const auto &destination : dialer::DestinationCodes) {
        const QString message = text(dialer::otherNamesMessage(destination.listText));
        QCOMPARE(message.section(QLatin1Char('|'), 0, 0), text(destination.listText));
    }
}

void TestCountryFinder::otherNamesTranslation_data() {
    QTest::addColumn<QString>("translation"); // null: no translation at all
    QTest::addColumn<QStringList>("otherNames");
    const QStringList english = {"Holland", "The Netherlands", "Kingdom of the Netherlands"};
    QTest::newRow("none") << QString() << english;
    QTest::newRow("empty") << "" << english;
    QTest::newRow("blanks and separators only") << " | |" << english;
    QTest::newRow("its names come first")
        << "Nederland | Holland"
        << QStringList{"Nederland", "Holland", "Kingdom of the Netherlands", "The Netherlands"};
}

// A translation adds its names; an empty or missing one changes nothing.
void TestCountryFinder::otherNamesTranslation() {
    QFETCH(QString, translation);
    QFETCH(QStringList, otherNames);
    OtherNamesTranslator translator(translation);
    if (!translation.isNull())
        QCoreApplication::installTranslator(&translator);
    const dialer::FindableEntry netherlands =
        dialer::findableEntry(dialer::DestinationCodes.at(153));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(netherlands.shownName, QStringLiteral("Netherlands"));
    QCOMPARE(netherlands.otherNames, otherNames);
}

QTEST_GUILESS_MAIN(TestCountryFinder)
#include "tst_country_finder.moc"
