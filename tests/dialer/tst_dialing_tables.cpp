// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include <QtTest/QtTest>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>

#include "dialer/compose_dial_prefix.h"
#include "dialer/dialing_tables.h"
#include "dialer/search_key.h"

using dialer::DestinationCodes;
using dialer::SourceAccessCodes;

namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

template <class Table> std::size_t indexOf(const Table &table, std::string_view listText) {
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const auto &entry) { return entry.listText == listText; });
    return static_cast<std::size_t>(found - table.begin());
}

// Where Debian's iso-codes keeps its lists.
const QString kIsoCodes = QStringLiteral("/usr/share/iso-codes/json/iso_%1.json");

// The English names iso-codes gives each code of ISO 3166-1 (alpha-2) and of ISO 3166-3
// (alpha-4); empty where iso-codes is not installed.
std::map<QString, QStringList> isoNames() {
    std::map<QString, QStringList> names;
    for (const auto &[standard, key] : {std::pair{"3166-1", "alpha_2"}, {"3166-3", "alpha_4"}}) {
        QFile file(kIsoCodes.arg(QLatin1String(standard)));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QJsonArray countries = QJsonDocument::fromJson(file.readAll())
                                         .object()
                                         .value(QLatin1String(standard))
                                         .toArray();
        for (const QJsonValue country : countries) {
            QStringList &known = names[country[QLatin1String(key)].toString()];
            for (const char *field : {"name", "common_name", "official_name"})
                if (country[QLatin1String(field)].isString())
                    known << country[QLatin1String(field)].toString();
        }
    }
    return names;
}

// Words that many country names share, and so tell none apart.
bool isCommonWord(const QString &word) {
    static const QStringList common = {"island", "islands", "republic",  "the",   "and",
                                       "of",     "saint",   "st",        "state", "states",
                                       "united", "federal", "democratic"};
    return common.contains(word);
}

// Two names plausibly name the same country when they share a distinctive word, allowing
// for other endings and run-together spellings ("Macau" and "Macao", "USVirgin" and
// "Virgin").
bool namesAgree(const QString &a, const QString &b) {
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    const auto words = [](const QString &name) {
        QStringList found = dialer::searchKey(name).split(nonLetters, Qt::SkipEmptyParts);
        found.removeIf(isCommonWord);
        return found;
    };
    for (const QString &x : words(a)) {
        for (const QString &y : words(b)) {
            const QString &shorter = x.size() <= y.size() ? x : y;
            const QString &longer = x.size() <= y.size() ? y : x;
            if (shorter == longer || (shorter.size() >= 4 && (longer.contains(shorter) ||
                                                              longer.startsWith(shorter.left(4)))))
                return true;
        }
    }
    return false;
}

// Every entry of both tables, as list text and ISO code.
std::vector<std::pair<std::string_view, std::string_view>> isoCodesOfAllEntries() {
    std::vector<std::pair<std::string_view, std::string_view>> entries;
    for (const auto &entry : SourceAccessCodes)
        entries.emplace_back(entry.listText, entry.isoCode);
    for (const auto &entry : DestinationCodes)
        entries.emplace_back(entry.listText, entry.isoCode);
    return entries;
}

} // namespace

class TestDialingTables : public QObject {
    Q_OBJECT

private slots:
    void entriesByPosition_data();
    void entriesByPosition();
    void nonAsciiNamesAreUtf8();
    void tablesAreOrderedAsListed();
    void formatsHold();
    void accessCodeFigures();
    void compose_data();
    void compose();
    void composeOutsideTheTables();
    void isoCodes_data();
    void isoCodes();
    void isoCodesFollowTheText();
    void isoCodesAreUniqueInATable();
    void isoCodesAreKnownToIsoCodes();
    void carrierCountries_data();
    void carrierCountries();
    void carrierCountriesAreTheirTextsCountries();
};

void TestDialingTables::entriesByPosition_data() {
    QTest::addColumn<bool>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<QString>("code");

    QTest::newRow("first source") << true << 0 << "Afghanistan"
                                  << "00";
    QTest::newRow("last source") << true << 269 << "Zimbabwe"
                                 << "00";
    QTest::newRow("first Finland ()") << true << 85 << "Finland ()"
                                      << "990";
    QTest::newRow("second Finland ()") << true << 86 << "Finland ()"
                                       << "994";
    QTest::newRow("third Finland ()") << true << 87 << "Finland ()"
                                      << "999";
    QTest::newRow("USA source") << true << 256 << "United States of America"
                                << "011";
    QTest::newRow("Japan (KDD)") << true << 133 << "Japan (KDD)"
                                 << "001";
    QTest::newRow("Russia waits for a tone") << true << 209 << "Russia"
                                             << "8~10";
    QTest::newRow("Bolivia alternatives") << true << 28 << "Bolivia (Entel)"
                                          << "0010 or 010";
    QTest::newRow("Cape Verde source spelling") << true << 45 << "Cape Verde Islands"
                                                << "0";
    QTest::newRow("first destination") << false << 0 << "Afghanistan"
                                       << "-93-(0)-";
    QTest::newRow("last destination") << false << 234 << "Zimbabwe"
                                      << "-263-(0)-";
    QTest::newRow("Japan destination") << false << 109 << "Japan"
                                       << "-81-(0)-";
    QTest::newRow("Aruba has no prefix") << false << 10 << "Aruba"
                                         << "-297-()-";
    QTest::newRow("Anguilla, North American") << false << 6 << "Anguilla"
                                              << "-1-264-";
    QTest::newRow("Puerto Rico, two forms") << false << 176 << "Puerto Rico"
                                            << "-1-787- or -1-939-";
    QTest::newRow("Korea (South) alternatives") << false << 115 << "Korea (South)"
                                                << "-82-(0 or 082)-";
    QTest::newRow("USVirgin Islands spelling") << false << 222 << "USVirgin Islands"
                                               << "-1-340-";
}

void TestDialingTables::entriesByPosition() {
    QFETCH(bool, source);
    QFETCH(int, index);
    QFETCH(QString, listText);
    QFETCH(QString, code);
    const auto at = static_cast<std::size_t>(index);
    if (source) {
        QCOMPARE(text(SourceAccessCodes.at(at).listText), listText);
        QCOMPARE(text(SourceAccessCodes.at(at).accessCode), code);
    } else {
        QCOMPARE(text(DestinationCodes.at(at).listText), listText);
        QCOMPARE(text(DestinationCodes.at(at).destination), code);
    }
}

void TestDialingTables::nonAsciiNamesAreUtf8() {
    // Spelled as bytes so that the check does not depend on this file's encoding.
    constexpr std::string_view curacao = "Cura\xC3\xA7"
                                         "ao";
    constexpr std::string_view reunion = "R\xC3\xA9"
                                         "union Island";
    QCOMPARE(SourceAccessCodes[64].listText, curacao);
    QVERIFY(indexOf(DestinationCodes, curacao) < DestinationCodes.size());
    QVERIFY(indexOf(SourceAccessCodes, reunion) < SourceAccessCodes.size());
    QVERIFY(indexOf(DestinationCodes, reunion) < DestinationCodes.size());
    QCOMPARE(text(curacao).size(), 7);
}

void TestDialingTables::tablesAreOrderedAsListed() {
    // The departures from alphabetical order are part of the lists the user knows.
    for (std::size_t i = 220; i <= 226; ++i)
        QVERIFY2(SourceAccessCodes[i].listText.starts_with("Singapore"),
                 qPrintable(QString::number(i)));
    QCOMPARE(text(SourceAccessCodes[227].listText), QStringLiteral("Sierra Leone"));
    QCOMPARE(text(SourceAccessCodes[12].listText), QStringLiteral("Australia (Voice)"));
    QCOMPARE(text(SourceAccessCodes[13].listText), QStringLiteral("Australia (Fax)"));
    QCOMPARE(text(SourceAccessCodes[14].listText), QStringLiteral("Australia (Bulk)"));
    QCOMPARE(indexOf(SourceAccessCodes, "Guinea-Bissau") + 1, indexOf(SourceAccessCodes, "Guinea"));
    QCOMPARE(indexOf(DestinationCodes, "Guinea-Bissau") + 1, indexOf(DestinationCodes, "Guinea"));
}

void TestDialingTables::formatsHold() {
    // Access codes: digit groups, "~" for the dial tone, " or " between alternatives.
    const std::regex access("[0-9~]+( or [0-9~]+)?");
    for (const auto &entry : SourceAccessCodes) {
        QVERIFY2(!entry.listText.empty(), "empty source list text");
        QVERIFY2(std::regex_match(std::string(entry.accessCode), access), entry.accessCode.data());
    }
    // Destinations begin and end with "-"; the prefix in parentheses may be empty.
    const std::regex destination(
        R"((-[0-9]+-(\([0-9~]*( or [0-9~]+)?\)-|[0-9]+-))( or -1-[0-9]+-)?)");
    int withoutPrefix = 0;
    for (const auto &entry : DestinationCodes) {
        QVERIFY2(!entry.listText.empty(), "empty destination list text");
        QVERIFY2(std::regex_match(std::string(entry.destination), destination),
                 entry.destination.data());
        withoutPrefix += entry.destination.find("()") != std::string_view::npos;
    }
    QCOMPARE(withoutPrefix, 68);
}

void TestDialingTables::accessCodeFigures() {
    std::set<std::string_view> distinct;
    int doubleZero = 0;
    int zeroOneOne = 0;
    for (const auto &entry : SourceAccessCodes) {
        distinct.insert(entry.accessCode);
        doubleZero += entry.accessCode == "00";
        zeroOneOne += entry.accessCode == "011";
    }
    QCOMPARE(distinct.size(), std::size_t{52});
    QCOMPARE(doubleZero, 158);
    QCOMPARE(zeroOneOne, 27);
}

void TestDialingTables::compose_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("USA to Japan") << 256 << 109 << "011-81-(0)-";
    QTest::newRow("Japan (KDD) to USA") << 133 << 221 << "001-1-(1)-";
    QTest::newRow("Russia to UK keeps the tone mark") << 209 << 220 << "8~10-44-(0)-";
    QTest::newRow("alternatives on both sides kept whole")
        << 28 << 115 << "0010 or 010-82-(0 or 082)-";
    QTest::newRow("second form gets no access code") << 256 << 176 << "011-1-787- or -1-939-";
    QTest::newRow("same country both sides") << 133 << 109 << "001-81-(0)-";
    QTest::newRow("first positions") << 0 << 0 << "00-93-(0)-";
    QTest::newRow("last positions") << 269 << 234 << "00-263-(0)-";
    QTest::newRow("first Finland ()") << 85 << 0 << "990-93-(0)-";
    QTest::newRow("second Finland ()") << 86 << 0 << "994-93-(0)-";
    QTest::newRow("third Finland ()") << 87 << 0 << "999-93-(0)-";
    QTest::newRow("empty parentheses stay") << 44 << 10 << "011-297-()-";
    QTest::newRow("North American destination") << 255 << 6 << "00-1-264-";
}

void TestDialingTables::compose() {
    QFETCH(int, source);
    QFETCH(int, destination);
    QFETCH(QString, prefix);
    const auto composed = dialer::ComposeDialPrefix(static_cast<std::size_t>(source),
                                                    static_cast<std::size_t>(destination));
    QVERIFY(composed.has_value());
    QCOMPARE(QString::fromStdString(*composed), prefix);
}

void TestDialingTables::composeOutsideTheTables() {
    QVERIFY(!dialer::ComposeDialPrefix(270, 0).has_value());
    QVERIFY(!dialer::ComposeDialPrefix(0, 235).has_value());
    QVERIFY(!dialer::ComposeDialPrefix(static_cast<std::size_t>(-1), 0).has_value());
    QVERIFY(dialer::ComposeDialPrefix(269, 234).has_value());
}

void TestDialingTables::isoCodes_data() {
    QTest::addColumn<bool>("source");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("isoCode");
    QTest::newRow("Japan") << false << 109 << "JP";
    QTest::newRow("Korea (South)") << false << 115 << "KR";
    QTest::newRow("Congo (Zaire) is the Democratic Republic") << false << 50 << "CD";
    QTest::newRow("Congo") << false << 49 << "CG";
    QTest::newRow("Yugoslavia, a former country") << false << 231 << "YUCS";
    QTest::newRow("Netherlands Antilles, a former country") << true << 182 << "ANHH";
    QTest::newRow("USVirgin Islands spelling") << false << 222 << "VI";
    QTest::newRow("renamed since: Ivory Coast") << true << 131 << "CI";
    QTest::newRow("renamed since: Swaziland") << true << 236 << "SZ";
    QTest::newRow("a carrier") << true << 28 << "";
    QTest::newRow("an unnamed carrier") << true << 86 << "";
    QTest::newRow("a service") << true << 12 << "";
    QTest::newRow("an island of a country") << true << 49 << "";
    QTest::newRow("half of Antigua and Barbuda") << true << 7 << "";
    QTest::newRow("Australia as a destination") << false << 12 << "AU";
}

void TestDialingTables::isoCodes() {
    QFETCH(bool, source);
    QFETCH(int, index);
    QFETCH(QString, isoCode);
    const auto at = static_cast<std::size_t>(index);
    QCOMPARE(text(source ? SourceAccessCodes.at(at).isoCode : DestinationCodes.at(at).isoCode),
             isoCode);
}

// A text has one translation, taken by its code: the same text must carry the same code.
void TestDialingTables::isoCodesFollowTheText() {
    std::map<std::string_view, std::string_view> codes;
    for (const auto &[listText, isoCode] : isoCodesOfAllEntries()) {
        const auto [known, added] = codes.emplace(listText, isoCode);
        QVERIFY2(known->second == isoCode, listText.data());
    }
}

// Two entries of one list with one code would read the same in every translation.
void TestDialingTables::isoCodesAreUniqueInATable() {
    for (const bool source : {true, false}) {
        std::set<std::string_view> seen;
        const auto check = [&seen](const auto &entry) {
            return entry.isoCode.empty() || seen.insert(entry.isoCode).second;
        };
        if (source) {
            for (const auto &entry : SourceAccessCodes)
                QVERIFY2(check(entry), entry.listText.data());
        } else {
            for (const auto &entry : DestinationCodes)
                QVERIFY2(check(entry), entry.listText.data());
        }
    }
}

void TestDialingTables::isoCodesAreKnownToIsoCodes() {
    const std::map<QString, QStringList> names = isoNames();
    if (names.empty())
        QSKIP("iso-codes is not installed: its country lists are not there to check against");
    // Entries whose country ISO now calls by another name.
    const QStringList renamed = {"Ivory Coast", "Swaziland", "Faeroe Islands"};
    for (const auto &[listText, isoCode] : isoCodesOfAllEntries()) {
        if (isoCode.empty())
            continue;
        const auto found = names.find(text(isoCode));
        QVERIFY2(found != names.end(), isoCode.data());
        QVERIFY2(
            renamed.contains(text(listText)) ||
                std::any_of(found->second.begin(), found->second.end(),
                            [&](const QString &name) { return namesAgree(text(listText), name); }),
            qPrintable(text(listText) + QLatin1String(" is not ") + found->second.join('/')));
    }
}

void TestDialingTables::carrierCountries_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("country");
    QTest::newRow("a carrier") << 28 << "BO";
    QTest::newRow("an unnamed carrier") << 86 << "FI";
    QTest::newRow("a service") << 12 << "AU";
    QTest::newRow("Korea (South) (), by its full name") << 143 << "KR";
    QTest::newRow("Northern Ireland is a region, not Ireland's carrier") << 125 << "";
    QTest::newRow("a country has a code of its own instead") << 256 << "";
}

void TestDialingTables::carrierCountries() {
    QFETCH(int, index);
    QFETCH(QString, country);
    QCOMPARE(text(SourceAccessCodes.at(static_cast<std::size_t>(index)).carrierCountry), country);
}

// A carrier's entry reads as its country's destination does, with the carrier after it, and
// has no code of its own: its own would take the country's name in a translation.
void TestDialingTables::carrierCountriesAreTheirTextsCountries() {
    int carriers = 0;
    for (const auto &entry : SourceAccessCodes) {
        if (entry.carrierCountry.empty())
            continue;
        ++carriers;
        QVERIFY2(entry.isoCode.empty(), entry.listText.data());
        const auto country = std::find_if(
            DestinationCodes.begin(), DestinationCodes.end(),
            [&](const auto &destination) { return destination.isoCode == entry.carrierCountry; });
        QVERIFY2(country != DestinationCodes.end(), entry.listText.data());
        QVERIFY2(entry.listText.starts_with(std::string(country->listText) + " ("),
                 entry.listText.data());
    }
    QCOMPARE(carriers, 42);
}

QTEST_APPLESS_MAIN(TestDialingTables)
#include "tst_dialing_tables.moc"
