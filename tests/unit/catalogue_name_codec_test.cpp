#include "case_row.h"
#include "catalogue/name_codec.h"

#include <gtest/gtest.h>

namespace {

using pc::ColumnTable;
using pc::NameList;
using pc::NameShiftKey;

TEST(NameShiftKey, SequencesOfTheThreeLists)
{
    struct Case
    {
        NameList list;
        std::vector<int> keys;
    } const cases[] = {
        {NameList::Family, {3, 5, 7, 9, 11, 13, 15, -13, -11, -9}},
        {NameList::Section, {4, 6, 8, 10, 12, 14, -13, -11, -9, -7}},
        {NameList::Grade, {5, 7, 9, 11, 13, 15, -13, -11, -9, -7}},
    };
    for (const auto &c : cases) {
        NameShiftKey key(c.list);
        std::vector<int> got;
        for (size_t i = 0; i < c.keys.size(); ++i)
            got.push_back(key.next());
        EXPECT_EQ(got, c.keys) << static_cast<int>(c.list);
    }
    // Once below -13 is impossible; after 13 the key restarts at -13 and climbs again.
    NameShiftKey key(NameList::Family);
    int k = 0;
    for (int i = 0; i < 40; ++i) {
        k = key.next();
        EXPECT_GE(k, -13);
        EXPECT_LE(k, 15);
    }
}

TEST(NameCodec, DecodeShiftedNameExamples)
{
    struct Case
    {
        QByteArray stored;
        int key;
        QString expected;
    } const cases[] = {
        {"DB", 3, QStringLiteral("AB")},
        {"D", 3, QStringLiteral("D")},
        {"", 3, QString()},
        // Position p is lowered by (p - 1) + key; a negative key raises.
        {"4?", -13, QStringLiteral("A?")},
        {"CEG!", 2, QStringLiteral("ABC!")},
        // Keys outside the lists' own sequences decode by the same rule.
        {"UB", 20, QStringLiteral("AB")},
        {"-/B", -20, QStringLiteral("ABB")},
        // Windows-1252 above 0x7F: 0x80 is the euro sign, lowered by 3.
        {QByteArray("\x80") + "x", 3, QString(QChar(0x20AC - 3)) + QLatin1Char('x')},
    };
    for (const auto &c : cases) {
        QString expected = c.expected;
        // A lowered character without an 8-bit form reads as '?'.
        if (!pc::isAnsiText(expected))
            expected = QString::fromLatin1(pc::encodeAnsi(expected));
        EXPECT_EQ(pc::decodeShiftedName(c.stored.constData(), int(c.stored.size()), c.key),
                  expected)
            << c.stored.toStdString() << " key " << c.key;
    }
}

TEST(NameCodec, EncodedNamesReadBackForEveryKey)
{
    const QString names[] = {QStringLiteral("SX 12-770"), QStringLiteral("S 355 GP"),
                             QStringLiteral("x"),         QStringLiteral("ÄX-S é"),
                             QStringLiteral("QX 28-1**"), QStringLiteral("ABCDEFGHIJKLMNOPQR")};
    // The lists use keys -13 .. 15; keys beyond them must read back as well.
    for (int key = -20; key <= 24; ++key)
        for (const QString &name : names) {
            SCOPED_TRACE(pc::test::caseRow(names, name));
            const auto stored = pc::encodeShiftedName(name, key);
            ASSERT_TRUE(stored) << name.toStdString() << " key " << key;
            EXPECT_EQ(pc::decodeShiftedName(stored->constData(), int(stored->size()), key), name);
        }
}

TEST(NameCodec, NamesTheFileCannotHoldAreRefused)
{
    struct Case
    {
        QString name;
        int key;
    } const cases[] = {
        {QStringLiteral("ABCDEFGHIJKLMNOPQRS"), 3},     // 19 characters
        {QString(QChar(0x0100)) + QLatin1Char('a'), 3}, // no 8-bit form
        {QString(QChar(0x00FF)) + QLatin1Char('a'), 3}, // shifted past the code page
        {QStringLiteral("zzzzzzzzzzzzzzzzzz"), 15},     // late positions land on 0x9A
    };
    for (const auto &c : cases)
        EXPECT_FALSE(pc::encodeShiftedName(c.name, c.key)) << c.name.toStdString();
}

TEST(NameCodec, ColumnShiftPerTable)
{
    struct Case
    {
        ColumnTable table;
        std::vector<uint16_t> units; // "AAAAAA" as stored
    } const cases[] = {
        {ColumnTable::Atmos, {116, 117, 118, 115, 116, 117}}, // 65 + 50 + i mod 4
        {ColumnTable::Soil, {116, 117, 118, 119, 115, 116}},  // i mod 5
        {ColumnTable::Water, {116, 117, 118, 119, 120, 115}}, // i mod 6
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(pc::test::caseRow(cases, c));
        EXPECT_EQ(pc::decodeColumnName(c.units, c.table), QStringLiteral("AAAAAA"));
        EXPECT_EQ(pc::encodeColumnName(QStringLiteral("AAAAAA"), c.table), c.units);
    }
    // Units below the shift wrap modulo 65536 and have no 8-bit form.
    EXPECT_EQ(pc::decodeColumnName({10}, ColumnTable::Atmos), QStringLiteral("?"));
    // Text beyond Windows-1252 cannot be stored.
    EXPECT_FALSE(pc::encodeColumnName(QString(QChar(0x4E2D)), ColumnTable::Soil));
}

TEST(NameCodec, AnnexNameLowBytes)
{
    EXPECT_EQ(pc::decodeAnnexName({0x0041, 0xFF42, 0x0080}), QStringLiteral("AB") + QChar(0x20AC));
    EXPECT_EQ(pc::encodeAnnexName(QStringLiteral("Ab") + QChar(0x20AC)),
              (std::vector<uint16_t>{0x41, 0x62, 0x80}));
    EXPECT_FALSE(pc::encodeAnnexName(QString(QChar(0x0100))));
}

TEST(NameCodec, AnsiRoundTripOfEveryByte)
{
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = static_cast<char>(b);
    const QString text = pc::decodeAnsi(all.constData(), 256);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0xE9), QChar(0x00E9));
    EXPECT_EQ(pc::encodeAnsi(text), all);
    EXPECT_EQ(pc::encodeAnsi(QString(QChar(0x0100))), QByteArray("?"));
}

} // namespace
