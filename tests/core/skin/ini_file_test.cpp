#include "core/skin/ini_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/skin/skin_paths.h"

namespace zuzazizo {
namespace {

TEST(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
    const IniFile ini = IniFile::parse("[common]\nskindir=Art\\\n[IMAGE3]\nFILENAME=a.png\n");
    EXPECT_EQ(ini.find("Common", "SkinDir"), "Art\\");
    EXPECT_EQ(ini.find("image3", "Filename"), "a.png");
    EXPECT_EQ(ini.find("Image3", "Left"), std::nullopt);
    EXPECT_EQ(ini.find("Image4", "Filename"), std::nullopt);
}

TEST(IniFileTest, FirstSectionAndFirstKeyWin) {
    const IniFile ini = IniFile::parse(
        "[Common]\nGameWidth=100\ngamewidth=200\n"
        "[COMMON]\nGameWidth=300\nGameHeight=50\n");
    EXPECT_EQ(ini.read_int("Common", "GameWidth", 0), 100);
    // A repeated section is not read at all, as the Windows profile routines behave.
    EXPECT_EQ(ini.read_int("Common", "GameHeight", 7), 7);
}

TEST(IniFileTest, ValuesAreTrimmedAndLoseOnePairOfMatchingQuotes) {
    const IniFile ini = IniFile::parse(
        "[S]\n  a =  spaced out \t\nb=\"quoted \"\nc='single'\nd=\"mismatched'\n"
        "e=\"\ne2=\"\"\nf= \" x \" \n");
    EXPECT_EQ(ini.find("S", "a"), "spaced out");
    EXPECT_EQ(ini.find("S", "b"), "quoted ");
    EXPECT_EQ(ini.find("S", "c"), "single");
    EXPECT_EQ(ini.find("S", "d"), "\"mismatched'");
    EXPECT_EQ(ini.find("S", "e"), "\"");
    EXPECT_EQ(ini.find("S", "e2"), "");
    EXPECT_EQ(ini.find("S", "f"), " x ");
}

TEST(IniFileTest, CommentsAndStrayLinesAreSkipped) {
    const IniFile ini = IniFile::parse(
        "orphan=1\n; [Common]\n[Common]\n;GameWidth=1\n  # GameWidth=2\njunk line\n"
        "=no key\nGameWidth=3;not a comment\n[Broken\nx=4\n");
    EXPECT_EQ(ini.find("Common", "GameWidth"), "3;not a comment");
    EXPECT_EQ(ini.find("", "orphan"), std::nullopt);
    EXPECT_EQ(ini.find("Common", ""), std::nullopt);
    // A header without its bracket still opens the section.
    EXPECT_EQ(ini.find("Broken", "x"), "4");
}

TEST(IniFileTest, LineEndingsAndByteOrderMarkAreTolerated) {
    const IniFile crlf =
        IniFile::parse("\xEF\xBB\xBF[Common]\r\nGameWidth=640\r\nGameHeight=480\r\n");
    EXPECT_EQ(crlf.read_int("Common", "GameWidth", 0), 640);
    EXPECT_EQ(crlf.read_int("Common", "GameHeight", 0), 480);
    const IniFile cr = IniFile::parse("[Common]\rGameWidth=7\rGameHeight=8");
    EXPECT_EQ(cr.read_int("Common", "GameWidth", 0), 7);
    EXPECT_EQ(cr.read_int("Common", "GameHeight", 0), 8);
}

TEST(IniFileTest, VeryLongLinesAreReadWhole) {
    const std::string name(1 << 20, 'n');
    const IniFile ini = IniFile::parse("[" + name + "]\nk=" + name + "\n[S]\nk=after\n");
    EXPECT_EQ(ini.find(name, "k")->size(), name.size());
    EXPECT_EQ(ini.find("S", "k"), "after");
}

TEST(IniFileTest, IntegerKeysFallBackOnAbsentOrUnconvertibleText) {
    const IniFile ini =
        IniFile::parse("[S]\nhex=$1F\nhex0x=0X10\nneg= -12\nbad=12px\nempty=\nhuge=4294967296\n");
    EXPECT_EQ(ini.read_int("S", "hex", 0), 31);
    EXPECT_EQ(ini.read_int("S", "hex0x", 0), 16);
    EXPECT_EQ(ini.read_int("S", "neg", 0), -12);
    EXPECT_EQ(ini.read_int("S", "bad", 5), 5);
    EXPECT_EQ(ini.read_int("S", "empty", 5), 5);
    EXPECT_EQ(ini.read_int("S", "huge", 5), 5);
    EXPECT_EQ(ini.read_int("S", "absent", 5), 5);
}

TEST(IniFileTest, ColourKeysConvertTheDefaultTextAndFailOnBadText) {
    const IniFile ini = IniFile::parse("[S]\nred=$000000FF\nwhite=$FFFFFF\nbad=magenta\nempty=\n");
    EXPECT_EQ(ini.read_colour("S", "red", "0"), 0x000000FFu);
    EXPECT_EQ(ini.read_colour("S", "white", "0"), 0x00FFFFFFu);
    EXPECT_EQ(ini.read_colour("S", "absent", "$00ff00ff"), 0x00FF00FFu);
    EXPECT_EQ(ini.read_colour("S", "bad", "0"), std::nullopt);
    EXPECT_EQ(ini.read_colour("S", "empty", "0"), std::nullopt);
    EXPECT_EQ(ini.read_colour("S", "absent", "nonsense"), std::nullopt);
}

TEST(IniFileTest, DirectoryKeysEndInOneSeparator) {
    const IniFile ini =
        IniFile::parse("[S]\nplain=Art\nback=Art\\\nslash=Art/\nempty=\nquoted=\"My Art\"\n");
    EXPECT_EQ(ini.read_dir("S", "plain", ""), "Art\\");
    EXPECT_EQ(ini.read_dir("S", "back", ""), "Art\\");
    EXPECT_EQ(ini.read_dir("S", "slash", ""), "Art/");
    EXPECT_EQ(ini.read_dir("S", "quoted", ""), "My Art\\");
    EXPECT_EQ(ini.read_dir("S", "absent", "Graphics\\Skin"), "Graphics\\Skin\\");
    // Empty means the executable's directory, not the root a lone backslash would name.
    EXPECT_EQ(ini.read_dir("S", "empty", "x"), "");
}

TEST(IniFileTest, FileKeysNameNoFileWhenEmptyOrNil) {
    const IniFile ini =
        IniFile::parse("[S]\nempty=\nnil=nil\nNIL=NiL\nquoted=\"nil\"\nreal=nil.png\n");
    EXPECT_EQ(ini.read_file_name("S", "empty"), std::nullopt);
    EXPECT_EQ(ini.read_file_name("S", "nil"), std::nullopt);
    EXPECT_EQ(ini.read_file_name("S", "NIL"), std::nullopt);
    EXPECT_EQ(ini.read_file_name("S", "quoted"), std::nullopt);
    EXPECT_EQ(ini.read_file_name("S", "absent"), std::nullopt);
    EXPECT_EQ(ini.read_file_name("S", "real"), "nil.png");
}

TEST(SkinPathTest, RelativePathsLieUnderTheExecutableDirectory) {
    EXPECT_EQ(resolve_skin_path("/opt/zz", "Graphics\\Skin\\", "case.png"),
              "/opt/zz/Graphics/Skin/case.png");
    EXPECT_EQ(resolve_skin_path("/opt/zz/", "Art\\", "sub\\a.bmp"), "/opt/zz/Art/sub/a.bmp");
    EXPECT_EQ(resolve_skin_path("/opt/zz", "", "Config.ini"), "/opt/zz/Config.ini");
    EXPECT_EQ(resolve_skin_path("", "Art\\", "a.bmp"), "Art/a.bmp");
}

TEST(SkinPathTest, AbsolutePathsStayPut) {
    EXPECT_EQ(resolve_skin_path("/opt/zz", "/usr/share/art\\", "a.png"), "/usr/share/art/a.png");
    EXPECT_EQ(resolve_skin_path("/opt/zz", "\\\\server\\art\\", "a.png"), "//server/art/a.png");
    EXPECT_EQ(resolve_skin_path("/opt/zz", "C:\\Art\\", "a.png"), "C:/Art/a.png");
}

}  // namespace
}  // namespace zuzazizo
