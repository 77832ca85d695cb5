// The settings file's INI text, read and edited on its bytes.

#include "window/ini_text.h"

#include <gtest/gtest.h>

namespace {

struct EditCase
{
    const char *name;
    QByteArray before;
    const char *metric, *sfMin, *sfMax;
    QByteArray after;
};

std::vector<pc::IniEntry> settingsEntries(const EditCase &c)
{
    return {{"Units", "Metric", QString::fromUtf8(c.metric)},
            {"SFMinReq", "SFMinRequired", QString::fromUtf8(c.sfMin)},
            {"SFMaxReq", "SFMaxRequired", QString::fromUtf8(c.sfMax)}};
}

TEST(IniText, WritesItsKeysAndKeepsEveryOtherLine)
{
    const EditCase cases[] = {
        {"a new file, in the order written, LF", "", "1", "1.50", "10.00",
         "[Units]\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n[SFMaxReq]\nSFMaxRequired=10.00\n"},
        {"the user's own file",
         "; kept by hand\n"
         "[Window]\n"
         "Name=M\xFCller\n" // Latin-1, not UTF-8
         "note=a;b\n"
         "\n"
         "[SFMaxReq]\n"
         "# why 6\n"
         "SFMaxRequired=\"1,50\"\n"
         "\n"
         "[units]\n"
         "metric = 0\n"
         "[SFMinReq]\n"
         "sfminrequired=2,00\n"
         "Other=x\n",
         "1", "2,50", "6,00",
         "; kept by hand\n"
         "[Window]\n"
         "Name=M\xFCller\n"
         "note=a;b\n"
         "\n"
         "[SFMaxReq]\n"
         "# why 6\n"
         "SFMaxRequired=6,00\n"
         "\n"
         "[units]\n"
         "metric=1\n"
         "[SFMinReq]\n"
         "sfminrequired=2,50\n"
         "Other=x\n"},
        {"CR LF kept, new lines take it", "[Units]\r\nMetric=0\r\n\r\n[Other]\r\nk=v\r\n", "1",
         "1.50", "10.00",
         "[Units]\r\nMetric=1\r\n\r\n[Other]\r\nk=v\r\n[SFMinReq]\r\nSFMinRequired=1.50\r\n"
         "[SFMaxReq]\r\nSFMaxRequired=10.00\r\n"},
        {"a missing key goes before the section's trailing blank lines",
         "[Units]\nColour=blue\n\n\n[SFMinReq]\n\n[SFMaxReq]\nSFMaxRequired=3\n", "0", "2.00",
         "3.00",
         "[Units]\nColour=blue\nMetric=0\n\n\n[SFMinReq]\nSFMinRequired=2.00\n\n[SFMaxReq]\n"
         "SFMaxRequired=3.00\n"},
        {"a last line without line end", "[SFMaxReq]\nSFMaxRequired=3", "1", "1.50", "10.00",
         "[SFMaxReq]\nSFMaxRequired=10.00\n[Units]\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n"},
        {"a key added after a last line without line end", "[Units]\nColour=blue", "1", "1.50",
         "10.00",
         "[Units]\nColour=blue\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n[SFMaxReq]\n"
         "SFMaxRequired=10.00\n"},
        {"the first section and its first key count",
         "[Units]\nMetric=0\nMetric=5\n[UNITS]\nMetric=7\n[SFMinReq]\nSFMinRequired=1\n"
         "[SFMaxReq]\nSFMaxRequired=9\n",
         "1", "1.00", "9.00",
         "[Units]\nMetric=1\nMetric=5\n[UNITS]\nMetric=7\n[SFMinReq]\nSFMinRequired=1.00\n"
         "[SFMaxReq]\nSFMaxRequired=9.00\n"},
        {"comments and keys before any section are no keys",
         "Metric=0\n[Units]\n;Metric=0\n#Metric=0\n", "1", "1.50", "10.00",
         "Metric=0\n[Units]\n;Metric=0\n#Metric=0\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n"
         "[SFMaxReq]\nSFMaxRequired=10.00\n"},
        {"a section whose name only begins alike", "[Units2]\nMetric=0\n", "1", "1.50", "10.00",
         "[Units2]\nMetric=0\n[Units]\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n[SFMaxReq]\n"
         "SFMaxRequired=10.00\n"},
        {"blanks around names, a byte order mark",
         "\xEF\xBB\xBF[ Units ] \n  Metric =0\n[SFMinReq]\nSFMinRequired = 2 \n[SFMaxReq]\n"
         "SFMaxRequired=\"8\"\n",
         "0", "2.00", "8.00",
         "\xEF\xBB\xBF[ Units ] \nMetric=0\n[SFMinReq]\nSFMinRequired=2.00\n[SFMaxReq]\n"
         "SFMaxRequired=8.00\n"},
        {"a key on the first line after a byte order mark", "\xEF\xBB\xBFMetric=0\n", "1", "1.50",
         "10.00",
         "\xEF\xBB\xBFMetric=0\n[Units]\nMetric=1\n[SFMinReq]\nSFMinRequired=1.50\n[SFMaxReq]\n"
         "SFMaxRequired=10.00\n"},
    };
    for (const EditCase &c : cases) {
        const QByteArray after = pc::iniWithEntries(c.before, settingsEntries(c));
        EXPECT_EQ(after, c.after) << c.name;
        // Written once more with the same values, nothing changes.
        EXPECT_EQ(pc::iniWithEntries(after, settingsEntries(c)), after) << c.name;
    }
}

TEST(IniText, ReadsAValueAsTheUserWroteIt)
{
    struct Case
    {
        const char *name;
        QByteArray text;
        const char *section, *key;
        std::optional<QString> value;
    };
    const QByteArray file = "; comment\n"
                            "[Window]\n"
                            "note=a;b\n"
                            "Name=M\xC3\xBCller\n"
                            "[sfminreq]\n"
                            "SFMINREQUIRED = 1,50 \n"
                            "[SFMaxReq]\n"
                            ";SFMaxRequired=1\n"
                            "SFMaxRequired=\"6,00\"\n"
                            "Empty=\n"
                            "Quote=\"\n"
                            "Inner=\"a\"b\"\n"
                            "[Units]\n"
                            "[Units]\n"
                            "Metric=0\n";
    const Case cases[] = {
        {"a semicolon is part of the value", file, "Window", "note", QStringLiteral("a;b")},
        {"UTF-8 text", file, "Window", "Name", QStringLiteral("M\u00fcller")},
        {"names in any case, a comma value whole", file, "SFMinReq", "SFMinRequired",
         QStringLiteral("1,50")},
        {"quotes of an earlier version dropped, a comment skipped", file, "SFMaxReq",
         "SFMaxRequired", QStringLiteral("6,00")},
        {"an empty value is a value", file, "SFMaxReq", "Empty", QString()},
        {"one quote is no pair", file, "SFMaxReq", "Quote", QStringLiteral("\"")},
        {"one pair only", file, "SFMaxReq", "Inner", QStringLiteral("a\"b")},
        {"a key of another section", file, "Window", "SFMaxRequired", std::nullopt},
        {"a missing section", file, "Colours", "note", std::nullopt},
        {"only the first section of a name", file, "Units", "Metric", std::nullopt},
        {"CR LF line ends", "[Units]\r\nMetric=0\r\n", "Units", "Metric", QStringLiteral("0")},
        {"an empty text", "", "Units", "Metric", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pc::iniValue(c.text, c.section, c.key), c.value) << c.name;
}

} // namespace
