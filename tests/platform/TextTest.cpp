#include "platform/Text.h"
#include "platform/ByteRecord.h"
#include "platform/DateText.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace platform;

TEST(PathHelpers, ChangeExtensionAndParts) {
    EXPECT_EQ(ChangeFileExt("/P/my.proj.qpf", ".qsf"), "/P/my.proj.qsf");
    EXPECT_EQ(ChangeFileExt("/P/blink", ".qsf"), "/P/blink.qsf");
    EXPECT_EQ(ChangeFileExt("/a.b/blink", ".v"), "/a.b/blink.v");
    EXPECT_EQ(IniPathOf("/x/pinwright"), "/x/pinwright.INI");
    EXPECT_EQ(ExtractFilePath("/P/sub/blink.qpf"), "/P/sub/");
    EXPECT_EQ(ExtractFilePath("blink.qpf"), "");
    EXPECT_EQ(ExtractFileName("/P/sub/blink.qpf"), "blink.qpf");
    EXPECT_EQ(ExtractFileBaseName("/P/my.proj.qpf"), "my.proj");
    EXPECT_EQ(ExtractFileExt("/P/x.HEX"), ".HEX");
}

TEST(DateText, EnglishNamesWhateverTheLocale) {
    setenv("LANG", "de_DE.UTF-8", 1);
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 2;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 9;
    EXPECT_EQ(FormatProjectDate(t), "14:05:09 January 02, 2026");
    EXPECT_EQ(FormatCreationDate(t), "14:05:09 JANUARY 02,2026");
}

TEST(StrToLong32, ClampsLikeA32BitLong) {
    EXPECT_EQ(StrToLong32("FFFFFFFF", 16), 0x7FFFFFFF);
    EXPECT_EQ(StrToLong32("3FFFFFF", 16), 0x3FFFFFF);
    EXPECT_EQ(StrToLong32("-FFFFFFFFF", 16), INT32_MIN);
    EXPECT_EQ(StrToLong32("zz", 16), 0);
}

TEST(ByteRecord, FieldsAreLittleEndianAndTextsBounded) {
    ByteRecord<16> r;
    r.SetI32(0, 272);
    r.SetU8(4, 30);
    EXPECT_EQ(r.data()[0], 0x10);
    EXPECT_EQ(r.data()[1], 0x01);
    EXPECT_EQ(r.I32(0), 272);
    r.SetText(5, 8, "ABCDEFGHIJ"); // cut to 7 bytes and a terminator
    EXPECT_EQ(r.Text(5, 8), "ABCDEFG");
    EXPECT_EQ(r.data()[12], 0);
    // A field without a terminator is read no further than its width - 1 bytes.
    for (int i = 5; i < 13; ++i)
        r.SetU8(i, 'x');
    EXPECT_EQ(r.Text(5, 8), "xxxxxxx");
    // A shorter text leaves the bytes after its terminator as they were.
    r.SetText(5, 8, "ab");
    EXPECT_EQ(r.data()[8], 'x');
}

TEST(CopyBounded, NeverWritesPastTheField) {
    char field[5] = {'1', '2', '3', '4', '5'};
    CopyBounded(field, 4, "abcdef");
    EXPECT_STREQ(field, "abc");
    EXPECT_EQ(field[4], '5');
}

TEST(CopyBounded, CutsOnlyAtACharacterBoundary) {
    struct Case {
        const char* text;
        std::size_t size; // field bytes, terminator included
        const char* kept;
    };
    const Case cases[] = {
        {"caf\xC3\xA9", 5, "caf"},                       // "é" would need bytes 4 and 5
        {"caf\xC3\xA9", 6, "caf\xC3\xA9"},               // it fits
        {"\xE6\x97\xA5\xE6\x9C\xAC", 6, "\xE6\x97\xA5"}, // "日本": the second character is cut whole
        {"\xE6\x97\xA5\xE6\x9C\xAC", 3, ""},
        {"a\xF0\x9F\x98\x80", 5, "a"}, // a four-byte character
        {"a\xF0\x9F\x98\x80", 6, "a\xF0\x9F\x98\x80"},
        {"\x80\x80\x80\x80\x80\x80", 5, "\x80\x80\x80\x80"}, // no UTF-8: cut where the field ends
    };
    for (const Case& c : cases) {
        char field[8];
        std::memset(field, 'x', sizeof field);
        CopyBounded(field, c.size, c.text);
        EXPECT_STREQ(field, c.kept) << c.text << " in " << c.size;
        EXPECT_EQ(field[c.size], 'x');
    }
    // A record's 128-byte text field takes 63 two-byte characters, never half of the 64th.
    ByteRecord<136> r;
    std::string name;
    for (int i = 0; i < 64; ++i)
        name += "\xC3\xA9";
    r.SetText(8, 128, name);
    EXPECT_EQ(r.Text(8, 128), name.substr(0, 126));
}
