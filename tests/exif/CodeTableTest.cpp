// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "exif/CodeTable.h"
#include "exif/ExifEntry.h"
#include "exif/ExifValueRules.h"
#include "platform/FileContent.h"
#include "platform/ProcessEnvironment.h"
#include "text/Encoding.h"

namespace vistrel {
namespace {

// The index LookupLabel gives for tag, with the label it sets.
struct Found {
    std::int32_t index;
    std::string label;
};

// The table of a file holding text in CP932, as the shipped file does.
CodeTable parseCp932(std::string_view text) {
    return CodeTable::parse(*utf8ToCp932(text));
}

Found lookUp(const CodeTable& table, std::uint16_t tag) {
    ExifEntry entry;
    const std::int32_t index = table.LookupLabel(tag, entry);
    return {index, entry.label};
}

TEST(ACodeTable, ReadsTheTagInHexadecimalWithOrWithoutPrefixInEitherCase) {
    for (const char* line : {"829d", "829D", "0x829D", "0X829d", "  0x829D"}) {
        const CodeTable table = parseCp932("1\r\n" + std::string(line) + "\tF値\r\n");
        EXPECT_EQ(table.code(0), 0x829D) << line;
        EXPECT_EQ(lookUp(table, 0x829D).index, 0) << line;
    }
}

TEST(ACodeTable, StopsTheTagAtTheFirstCharacterThatIsNoHexDigitAndKeepsSixteenBits) {
    const CodeTable table =
        CodeTable::parse("6\n9209 flash\ta\nzz\tb\n0x\tc\n12345\td\n0xg1\te\n\tf\n");
    EXPECT_EQ(table.code(0), 0x9209);
    EXPECT_EQ(table.code(1), 0);
    EXPECT_EQ(table.code(2), 0);
    EXPECT_EQ(table.code(3), 0x2345);
    EXPECT_EQ(table.code(4), 0);
    EXPECT_EQ(table.code(5), 0);
    EXPECT_EQ(table.label(5), "f");
}

TEST(ACodeTable, KeepsEverythingAfterTheFirstTabAsTheLabel) {
    const CodeTable table = parseCp932("2\r\n010F\t メーカ\t名 \r\n0110\t\r\n");
    EXPECT_EQ(table.label(0), " メーカ\t名 ");
    EXPECT_EQ(table.label(1), "");
    EXPECT_EQ(lookUp(table, 0x010F).label, " メーカ\t名 ");
}

TEST(ACodeTable, GivesCodeZeroAndTheWholeLineToALineWithoutTabOrAnEmptyLine) {
    const CodeTable table = parseCp932("3\n8769 Exif\n\n9000\tバージョン\n");
    EXPECT_EQ(table.code(0), 0);
    EXPECT_EQ(table.label(0), "8769 Exif");
    EXPECT_EQ(table.code(1), 0);
    EXPECT_EQ(table.label(1), "");
    EXPECT_EQ(table.code(2), 0x9000);
}

TEST(ACodeTable, CountsMissingLinesAtTheEndAsEmptyLines) {
    const CodeTable table = parseCp932("3\r\n0100\t幅\r\n0101\t高さ");
    EXPECT_EQ(table.count(), 3);
    EXPECT_EQ(table.code(1), 0x0101);
    EXPECT_EQ(table.label(1), "高さ");
    EXPECT_EQ(table.code(2), 0);
    EXPECT_EQ(table.label(2), "");
}

TEST(ACodeTable, IgnoresLinesAfterTheAnnouncedCount) {
    const CodeTable table = CodeTable::parse("1\n0100\ta\n0101\tb\n");
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(lookUp(table, 0x0101).index, -1);
}

TEST(ACodeTable, TakesTheCountFromTheStartOfTheFirstLineOnly) {
    EXPECT_EQ(CodeTable::parse("  2 codes follow\n1\ta\n2\tb\n").count(), 2);
    EXPECT_EQ(CodeTable::parse("+2\n1\ta\n2\tb\n").count(), 2);
    EXPECT_EQ(CodeTable::parse("codes: 2\n1\ta\n2\tb\n").count(), 0);
    EXPECT_EQ(CodeTable::parse("-2\n1\ta\n2\tb\n").count(), 0);
    EXPECT_EQ(CodeTable::parse("0\n1\ta\n").count(), 0);
    EXPECT_EQ(CodeTable::parse("").count(), 0);
    EXPECT_EQ(CodeTable::parse("99999999999\n").count(), 2147483647);
}

TEST(ACodeTable, WithoutCodesFindsNothingAndLabelsEveryTagUnknown) {
    const CodeTable table = CodeTable::parse("none\n8769\tExif\n");
    const Found found = lookUp(table, 0x8769);
    EXPECT_EQ(found.index, -1);
    EXPECT_EQ(found.label, "不明");
    EXPECT_EQ(lookUp(CodeTable(), 0).index, -1);
}

TEST(ACodeTable, ReadsCp932LabelsAndUtf8AfterAByteOrderMark) {
    const std::string cp932 = "1\r\n829A\t\x98\x49\x8F\x6F\x8E\x9E\x8A\xD4\r\n";
    EXPECT_EQ(CodeTable::parse(cp932).label(0), "露出時間");
    EXPECT_EQ(CodeTable::parse("\xEF\xBB\xBF"
                               "1\n829A\t露出時間\n")
                  .label(0),
              "露出時間");
}

TEST(ACodeTable, TakesOnlyTheCrBeforeTheLineFeedAsPartOfTheLineEnd) {
    const CodeTable table = CodeTable::parse("2\r\n0100\ta\rb\r\r\n0101\tc\n");
    EXPECT_EQ(table.label(0), "a\rb\r");
    EXPECT_EQ(table.label(1), "c");
}

TEST(ACodeTable, FindsTheFirstOfRepeatedCodes) {
    const CodeTable table = CodeTable::parse("5\n1\ta\n5\tfirst\n5\tsecond\n5\tthird\n9\tb\n");
    const Found found = lookUp(table, 5);
    EXPECT_EQ(found.index, 1);
    EXPECT_EQ(found.label, "first");
    EXPECT_EQ(lookUp(table, 9).index, 4);
    EXPECT_EQ(lookUp(table, 1).index, 0);
    EXPECT_EQ(lookUp(table, 2).index, -1);
    EXPECT_EQ(lookUp(table, 10).index, -1);
}

TEST(ACodeTable, MissesATagThatIsListedOutOfOrder) {
    // Halving [9000, 0100, 9209] for 0100 looks at index 1 (not below), then index 0 (not
    // below): the search ends at index 0, which holds 9000.
    const CodeTable table = CodeTable::parse("3\n9000\ta\n0100\tb\n9209\tc\n");
    EXPECT_EQ(lookUp(table, 0x0100).index, -1);
    EXPECT_EQ(lookUp(table, 0x9209).index, 2);
}

TEST(ACodeTable, WithAHugeCountHoldsOnlyTheLinesOfTheFileAndSearchesTheMissingZeros) {
    // Every missing line is code 0, so after 8769 the codes are no longer ascending: the
    // search goes right past 8769 into the zeros, and finds neither 8769 nor 0.
    const CodeTable table = CodeTable::parse("2147483647\n8769\tExif\n");
    EXPECT_EQ(table.count(), 2147483647);
    EXPECT_EQ(table.code(2147483646), 0);
    EXPECT_EQ(lookUp(table, 0x8769).index, -1);
    EXPECT_EQ(lookUp(table, 0).index, -1);
}

TEST(ACodeTable, IsLookedForBesideTheExecutableAndThenInTheInstalledDataFolder) {
    // Relative to the executable, whatever prefix the program was built for.
    EXPECT_EQ(CodeTable::candidatePaths("/opt/vistrel/bin/vistrel-cli"),
              (std::vector<std::string>{"/opt/vistrel/bin/vtdcode.vtd",
                                        "/opt/vistrel/bin/../share/vistrel/vtdcode.vtd"}));
    EXPECT_TRUE(CodeTable::candidatePaths("").empty());
}

// The table that ships with the program, copied beside the test program by the build.
class TheShippedCodeTable : public ::testing::Test {
protected:
    void SetUp() override {
        const auto bytes = readWholeFile(CodeTable::candidatePaths(currentExecutablePath())[0]);
        ASSERT_TRUE(bytes.has_value());
        m_bytes = *bytes;
        m_table = CodeTable::parse(m_bytes);
    }

    std::string m_bytes;
    CodeTable m_table;
};

TEST_F(TheShippedCodeTable, IsCp932TextWithCrLfLinesAndAnnouncesExactlyItsLines) {
    EXPECT_FALSE(m_bytes.starts_with("\xEF\xBB\xBF"));
    const std::string text = cp932ToUtf8(m_bytes);
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << "not CP932";
    EXPECT_TRUE(text.ends_with("\r\n"));
    const auto lines = std::count(text.begin(), text.end(), '\n');
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), lines);
    EXPECT_EQ(m_table.count(), lines - 1);
}

TEST_F(TheShippedCodeTable, ListsItsCodesInStrictlyAscendingOrderEachWithALabel) {
    ASSERT_GT(m_table.count(), 0);
    for (std::int32_t i = 0; i < m_table.count(); ++i) {
        EXPECT_FALSE(m_table.label(i).empty()) << i;
        EXPECT_EQ(lookUp(m_table, m_table.code(i)).index, i);
        if (i > 0) {
            EXPECT_LT(m_table.code(i - 1), m_table.code(i)) << i;
        }
    }
}

TEST_F(TheShippedCodeTable, ListsExactlyTheTagsThatHaveAValueRuleWithBothPointers) {
    std::set<std::uint16_t> ruled;
    for (const auto& rule : detail::tagRules()) {
        ruled.insert(rule.tag);
    }
    EXPECT_TRUE(ruled.contains(0x8769));
    EXPECT_TRUE(ruled.contains(0xA005));
    std::set<std::uint16_t> listed;
    for (std::int32_t i = 0; i < m_table.count(); ++i) {
        listed.insert(m_table.code(i));
    }
    EXPECT_EQ(listed, ruled);
}

TEST_F(TheShippedCodeTable, LabelsTheShootingItemsWithTheNamesOfTheJapaneseExifStandard) {
    EXPECT_EQ(lookUp(m_table, 0x829A).label, "露出時間");
    EXPECT_EQ(lookUp(m_table, 0x829D).label, "Ｆナンバー");
    EXPECT_EQ(lookUp(m_table, 0x8822).label, "露出プログラム");
    EXPECT_EQ(lookUp(m_table, 0x8827).label, "ISOスピードレート");
    EXPECT_EQ(lookUp(m_table, 0x9003).label, "原画像データの生成日時");
    EXPECT_EQ(lookUp(m_table, 0x9201).label, "シャッタースピード");
    EXPECT_EQ(lookUp(m_table, 0x9202).label, "絞り値");
    EXPECT_EQ(lookUp(m_table, 0x9204).label, "露出補正値");
    EXPECT_EQ(lookUp(m_table, 0x9207).label, "測光方式");
    EXPECT_EQ(lookUp(m_table, 0x9209).label, "フラッシュ");
    EXPECT_EQ(lookUp(m_table, 0x920A).label, "レンズ焦点距離");
    EXPECT_EQ(lookUp(m_table, 0x010F).label, "メーカ名");
    EXPECT_EQ(lookUp(m_table, 0x0110).label, "機種名");
}

} // namespace
} // namespace vistrel
