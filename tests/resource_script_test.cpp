// rcgen's reading of resource scripts: the program's own script as a Windows
// resource compiler reads it, texts joined from strings and defined names
// and kept in code page 1257, and a refusal with file, line and reason for
// every statement outside the supported subset.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/rcgen/resource_script.h"
#include "tests/support.h"

namespace {

const std::string kSourceDir = OMBRIX_SOURCE_DIR;
// The program's script also includes the version that CMake generates.
const std::vector<std::string> kIncludeDirs = {kSourceDir + "/platform/include", OMBRIX_BINARY_DIR};

ResourceScript ProgramsScript() {
  ResourceScript script;
  std::string error;
  EXPECT_TRUE(ParseResourceScript(kSourceDir + "/app/ombrix.rc", kIncludeDirs, &script, &error))
      << error;
  return script;
}

const DialogResource* DialogOf(const ResourceScript& script, int id) {
  for (const DialogResource& dialog : script.dialogs) {
    if (dialog.id == id) return &dialog;
  }
  return nullptr;
}

std::string StringValue(const VersionInfoResource& info, const std::string& key) {
  for (const auto& [name, text] : info.stringTables.at(0).values) {
    if (name == key) return text;
  }
  return "(missing)";
}

TEST(ResourceScript, ReadsTheProgramsScript) {
  ResourceScript script = ProgramsScript();

  ASSERT_EQ(script.dialogs.size(), 2u);
  const DialogResource& dialog = script.dialogs[0];
  EXPECT_EQ(dialog.id, 105);
  EXPECT_EQ(dialog.caption, "Ombrix");
  // WS_OVERLAPPEDWINDOW, WS_VISIBLE, DS_CENTER, DS_SETFOREGROUND, DS_3DLOOK,
  // DS_ABSALIGN and DS_SETFONT; WS_EX_APPWINDOW and WS_EX_CLIENTEDGE.
  EXPECT_EQ(dialog.style, 0x10CF0A45u);
  EXPECT_EQ(dialog.exStyle, 0x00040200u);
  EXPECT_EQ(dialog.menuId, 107);
  EXPECT_EQ(dialog.fontName, "Arial");
  EXPECT_EQ(dialog.fontPoints, 10);
  EXPECT_EQ(dialog.fontWeight, 400);
  EXPECT_EQ((std::vector<int>{dialog.x, dialog.y, dialog.cx, dialog.cy}),
            (std::vector<int>{5, 11, 440, 237}));

  struct Expected {
    int id;
    const char* className;
    const char* text;
    uint32_t style;
    uint32_t exStyle;
    int x, y, cx, cy;
  } const controls[] = {
      {1, "Button", "OK", 0x50012301, 0x20000, 268, 12, 50, 14},
      {2, "Button", "Sulge", 0x50012300, 0x20000, 372, 12, 60, 16},
      {9, "Button", "Mis v\xE4rk on ?!", 0x50012300, 0x20000, 372, 32, 60, 16},
      {-1, "Static", "S\xFCnnikuup\xE4\x65v ja aasta:", 0x50000000, 0, 12, 12, 120, 12},
      {-1, "Static", "Mida siis Kosmos r\xE4\xE4gib:", 0x50000000, 0, 12, 36, 168, 12},
      {104, "Button", "Salvesta see jutt kettale", 0x50012300, 0x20000, 372, 52, 60, 40},
      {102, "msctls_statusbar32", "", 0x50000003, 0, 0, 226, 440, 11},
      {105, "RichEdit", "", 0x50211144, 0x20000, 12, 52, 348, 164},
      {101, "RichEdit", "27. Oktoober 1980", 0x50010180, 0x20000, 152, 12, 96, 12},
  };
  ASSERT_EQ(dialog.controls.size(), std::size(controls));
  for (size_t i = 0; i < std::size(controls); ++i) {
    const ControlResource& got = dialog.controls[i];
    const Expected& want = controls[i];
    EXPECT_EQ(got.id, want.id) << i;
    EXPECT_EQ(got.className, want.className) << i;
    EXPECT_EQ(got.text, want.text) << i;
    EXPECT_EQ(got.style, want.style) << i;
    EXPECT_EQ(got.exStyle, want.exStyle) << i;
    EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}),
              (std::vector<int>{want.x, want.y, want.cx, want.cy}))
        << i;
  }

  ASSERT_EQ(script.menus.size(), 1u);
  std::string outline;
  for (const MenuEntryResource& e : script.menus[0].entries) {
    outline += std::string(e.level, ' ');
    if (e.kind == MenuEntryKind::Separator) {
      outline += "-\n";
    } else {
      outline += e.text + (e.kind == MenuEntryKind::Item ? " " + std::to_string(e.id) : "") +
                 (e.grayed ? " grayed" : "") + "\n";
    }
  }
  EXPECT_EQ(outline,
            "K\xF5ige peamisem men\xFC\xFC\n"
            " Salvesta see jutt kettale 51682\n"
            " -\n"
            " P&rinteri 'Setup' 51683 grayed\n"
            " Printeri 'Page Setup' 51684 grayed\n"
            " &Prindi v\xE4lja 51686 grayed\n"
            " -\n"
            " Sulge 51685\n"
            "Tekst\n"
            " 'Undo' 51687\n"
            " -\n"
            " 'Cut' 51689\n"
            " 'Copy' 51690\n"
            " 'Paste' 51691\n"
            " 'Delete' 51692\n"
            " -\n"
            " 'Select all' 51693\n"
            "Appi !?\n"
            " Mis v\xE4rk on ?! 51694\n"
            " -\n"
            " Ohhoo ! 51695\n");
}

TEST(ResourceScript, ReadsTheAboutBoxTheIconAndTheVersion) {
  ResourceScript script = ProgramsScript();

  const DialogResource* about = DialogOf(script, 113);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->caption, "Autor");
  // WS_POPUP, WS_VISIBLE, WS_CAPTION, DS_MODALFRAME, DS_CENTER, DS_SETFOREGROUND,
  // DS_3DLOOK, DS_ABSALIGN and DS_SETFONT, no WS_SYSMENU; WS_EX_DLGMODALFRAME.
  EXPECT_EQ(about->style, 0x90C00AC5u);
  EXPECT_EQ(about->exStyle, 0x1u);
  EXPECT_EQ(about->menuId, 0);
  EXPECT_EQ(about->fontName, "Arial");
  EXPECT_EQ(about->fontPoints, 10);
  EXPECT_EQ((std::vector<int>{about->x, about->y, about->cx, about->cy}),
            (std::vector<int>{23, 31, 146, 135}));
  struct Expected {
    int id;
    const char* className;
    uint32_t style;
    uint32_t exStyle;
    int x, y, cx, cy;
  } const controls[] = {
      {1, "Button", 0x50012001, 0x20000, 48, 112, 50, 14},
      {-1, "Static", 0x50020001, 0, 5, 11, 135, 8},
      {-1, "Static", 0x50020001, 0, 20, 44, 104, 28},
      {-1, "Static", 0x50000001, 0, 20, 80, 104, 15},
      {-1, "Static", 0x50000001, 0, 20, 28, 104, 9},
  };
  ASSERT_EQ(about->controls.size(), std::size(controls));
  for (size_t i = 0; i < std::size(controls); ++i) {
    const ControlResource& got = about->controls[i];
    const Expected& want = controls[i];
    EXPECT_EQ(got.id, want.id) << i;
    EXPECT_EQ(got.className, want.className) << i;
    EXPECT_EQ(got.style, want.style) << i;
    EXPECT_EQ(got.exStyle, want.exStyle) << i;
    EXPECT_EQ((std::vector<int>{got.x, got.y, got.cx, got.cy}),
              (std::vector<int>{want.x, want.y, want.cx, want.cy}))
        << i;
  }
  EXPECT_EQ(about->controls[0].text, "OK");
  EXPECT_EQ(about->controls[1].text, "Ombrix");
  EXPECT_EQ(about->controls[3].text, "\xA9 2026 Ombrixi autorid");

  ASSERT_EQ(script.icons.size(), 1u);
  EXPECT_EQ(script.icons[0].id, 106);
  EXPECT_EQ(script.icons[0].bytes, FileBytes(kSourceDir + "/app/icon/ombrix.ico"));
  ASSERT_EQ(script.manifests.size(), 1u);
  EXPECT_EQ(script.manifests[0].id, 1);  // the one Windows reads when the program starts
  EXPECT_EQ(script.manifests[0].bytes, FileBytes(kSourceDir + "/app/ombrix.manifest"));

  ASSERT_EQ(script.versionInfos.size(), 1u);
  const VersionInfoResource& info = script.versionInfos[0];
  EXPECT_EQ(info.id, 1);
  EXPECT_EQ(info.fileFlags, 0u);
  EXPECT_EQ(info.fileOs, 0x00040004u);  // VOS_NT_WINDOWS32
  EXPECT_EQ(info.fileType, 1u);         // VFT_APP
  ASSERT_EQ(info.stringTables.size(), 1u);
  EXPECT_EQ(info.stringTables[0].block, "040904E4");
  std::vector<std::string> keys;
  for (const auto& value : info.stringTables[0].values) keys.push_back(value.first);
  EXPECT_EQ(keys,
            (std::vector<std::string>{"CompanyName", "FileDescription", "FileVersion",
                                      "InternalName", "LegalCopyright", "OriginalFilename",
                                      "ProductName", "ProductVersion", "Language", "Author"}));
  EXPECT_EQ(StringValue(info, "InternalName"), "Ombrix");
  EXPECT_EQ(StringValue(info, "OriginalFilename"), "Ombrix.exe");
  EXPECT_EQ(StringValue(info, "ProductName"), "Ombrix");
  EXPECT_EQ(StringValue(info, "Language"), "Estonian");
  EXPECT_EQ(StringValue(info, "FileDescription"), about->controls[2].text);
  EXPECT_EQ(StringValue(info, "Author"), about->controls[3].text);
  EXPECT_EQ(info.translations, (std::vector<uint16_t>{0x0409, 0x04E4}));
}

std::string WriteScript(const std::string& name, const std::string& text) {
  std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(ResourceScript, ReadsHeaderDefinesAsTheResourceCompilerDoes) {
  std::string header = WriteScript("defines.h",
                                   "#ifndef GUARD\n"
                                   "#define GUARD\n"
                                   "int Function(int);  /* a declaration */\n"
                                   "#define MACRO(x) ((x) + 1)\n"
                                   "#define PARTS \\\n"
                                   "  (0x10L | 0x01)\n"
                                   "#define NAMED (-1) // a comment\n"
                                   "#define EMPTY\n"
                                   "#define VERSION \"2.5\"\n"
                                   "#endif\n");
  std::string path = WriteScript("defines.rc",
                                 "#include \"defines.h\"\n"
                                 "#pragma code_page(65001)\n"
                                 "7 DIALOGEX 0, 0, 10, 10\n"
                                 "STYLE PARTS | 0x100\n"
                                 "CAPTION \"S\xC3\xBCnnip\xC3\xA4\x65v \" VERSION \" \xC5\xA0\"\n"
                                 "BEGIN\n"
                                 "  CONTROL \"say \"\"hi\"\"\", NAMED, \"Static\", 0, 1, 2, 3, 4\n"
                                 "END\n");
  ResourceScript script;
  std::string error;
  ASSERT_TRUE(ParseResourceScript(path, {}, &script, &error)) << error;
  ASSERT_EQ(script.dialogs.size(), 1u);
  EXPECT_EQ(script.dialogs[0].style, 0x111u | 0x00C00000u);             // WS_CAPTION
  EXPECT_EQ(script.dialogs[0].caption, "S\xFCnnip\xE4\x65v 2.5 \xD0");  // code page 1257
  ASSERT_EQ(script.dialogs[0].controls.size(), 1u);
  EXPECT_EQ(script.dialogs[0].controls[0].id, -1);
  EXPECT_EQ(script.dialogs[0].controls[0].text, "say \"hi\"");
}

TEST(ResourceScript, RefusesWhatItDoesNotSupportWithFileLineAndReason) {
  const std::string dialog = "1 DIALOGEX 0, 0, 10, 10\n";
  const std::string version = "1 VERSIONINFO\n";
  struct Case {
    const char* what;
    std::string script;
    int line;
    const char* reason;
  } const cases[] = {
      {"other resource type", "\n1 DIALOG 0, 0, 10, 10\n", 2,
       "unsupported resource type 'DIALOG' (DIALOGEX, MENU, ICON, VERSIONINFO or RT_MANIFEST)"},
      {"named resource", "MAIN DIALOGEX 0, 0, 10, 10\n", 1, "'MAIN' is not a defined identifier"},
      {"other statement", "STRINGTABLE\nBEGIN\nEND\n", 1, "'STRINGTABLE' is not a defined"},
      {"other dialog statement", dialog + "CLASS \"x\"\nBEGIN\nEND\n", 2,
       "unsupported dialog statement 'CLASS'"},
      {"other control statement", dialog + "BEGIN\n  LTEXT \"a\", -1, 0, 0, 1, 1\nEND\n", 3,
       "expected CONTROL or END, found 'LTEXT'"},
      {"unknown style", dialog + "STYLE WS_BOGUS\nBEGIN\nEND\n", 2, "'WS_BOGUS' is not defined"},
      {"other operator", dialog + "STYLE 1 + 2\nBEGIN\nEND\n", 2, "unexpected character '+'"},
      {"missing comma", dialog + "BEGIN\n  CONTROL \"a\" 1, \"Static\", 0, 0, 0, 1, 1\nEND\n", 3,
       "expected ',', found '1'"},
      {"coordinate out of range", "1 DIALOGEX 0, 0, 40000, 10\nBEGIN\nEND\n", 1,
       "coordinate 40000 is out of range"},
      {"missing END", dialog + "BEGIN\n", 3, "expected CONTROL or END, found the end of the file"},
      {"non-ASCII without pragma", dialog + "CAPTION \"K\xC3\xB5\"\nBEGIN\nEND\n", 2,
       "non-ASCII text needs #pragma code_page(65001) before it"},
      {"other code page", "#pragma code_page(1257)\n", 1,
       "only code page 65001 (UTF-8) is supported"},
      {"letter outside code page 1257",
       "#pragma code_page(65001)\n" + dialog + "CAPTION \"\xD0\xAF\"\nBEGIN\nEND\n", 3,
       "the text is not UTF-8 or has a letter that code page 1257 lacks"},
      {"not UTF-8", "#pragma code_page(65001)\n" + dialog + "CAPTION \"K\xF5\"\nBEGIN\nEND\n", 3,
       "the text is not UTF-8 or has a letter that code page 1257 lacks"},
      {"number as text", "#include <windows.h>\n" + dialog + "CAPTION IDOK\nBEGIN\nEND\n", 3,
       "expected the caption in quotes, found 'IDOK'"},
      {"define in the script", "#define X 1\n", 1, "unsupported preprocessor line '#define X 1'"},
      {"missing header", "\n#include \"missing.h\"\n", 2, "cannot find the header 'missing.h'"},
      {"escape in a string", dialog + "CAPTION \"a\\tb\"\nBEGIN\nEND\n", 2,
       "escape sequences are not supported in strings"},
      {"unterminated string", dialog + "CAPTION \"open\nBEGIN\nEND\n", 2, "unterminated string"},
      {"unterminated comment", "/* one\ntwo\n", 1, "unterminated comment"},
      {"menu option", "1 MENU\nBEGIN\n  POPUP \"a\"\n  BEGIN\n    MENUITEM \"b\", 2, CHECKED\n", 5,
       "unsupported menu item option 'CHECKED'"},
      {"menu entry", "1 MENU\nBEGIN\n  MENUITEM \"b\" 2\nEND\n", 3, "expected ',', found '2'"},
      {"unknown menu", dialog + "MENU 7\nBEGIN\nEND\n", 2, "menu 7 is not defined"},
      {"dialog twice", dialog + "BEGIN\nEND\n" + dialog + "BEGIN\nEND\n", 4,
       "dialog 1 is defined twice"},
      {"missing icon", "\n1 ICON \"missing.ico\"\n", 2, "cannot find the icon file 'missing.ico'"},
      {"not an icon", "1 ICON \"bad.rc\"\n", 1, "'bad.rc' is not an icon file"},
      {"icon twice", "1 ICON \"tiny.ico\"\n1 ICON \"tiny.ico\"\n", 2, "icon 1 is defined twice"},
      {"icon without quotes", "1 ICON tiny\n", 1, "expected the icon file in quotes, found 'tiny'"},
      {"manifest type undefined", "1 RT_MANIFEST \"tiny.ico\"\n", 1,
       "'RT_MANIFEST' is not defined"},
      {"missing manifest", "#include <windows.h>\n1 RT_MANIFEST \"missing.manifest\"\n", 2,
       "cannot find the manifest file 'missing.manifest'"},
      {"manifest twice",
       "#include <windows.h>\n1 RT_MANIFEST \"tiny.ico\"\n2 RT_MANIFEST \"tiny.ico\"\n", 3,
       "the manifest is defined twice"},
      {"version statement", version + "FILEDATE 0, 0\nBEGIN\nEND\n", 2,
       "unsupported version statement 'FILEDATE'"},
      {"version number", version + "FILEVERSION 1, 70000\nBEGIN\nEND\n", 2,
       "version number 70000 is out of range"},
      {"version block", version + "BEGIN\n  BLOCK \"Other\"\n", 3,
       "unsupported version block \"Other\" (StringFileInfo or VarFileInfo)"},
      {"string table name",
       version + "BEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"0409\"\n", 5,
       "a string table is named by eight hexadecimal digits, not \"0409\""},
      {"value without text",
       version + "BEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904E4\"\n  BEGIN\n" +
           "   VALUE \"Comments\", 1\n",
       7, "expected the text in quotes, found '1'"},
      {"other variable", version + "BEGIN\n BLOCK \"VarFileInfo\"\n BEGIN\n  VALUE \"Other\", 1\n",
       5, "unsupported VarFileInfo value \"Other\""},
      {"version twice", version + "BEGIN\nEND\n" + version + "BEGIN\nEND\n", 4,
       "version information is defined twice"},
  };
  WriteScript("tiny.ico", std::string("\0\0\1\0\1\0", 6) + std::string(8, '\0') +
                              std::string("\1\0\0\0\x16\0\0\0", 8) + "x");
  for (const Case& c : cases) {
    std::string path = WriteScript("bad.rc", c.script);
    ResourceScript script;
    std::string error;
    EXPECT_FALSE(ParseResourceScript(path, kIncludeDirs, &script, &error)) << c.what;
    std::string expected = path + ":" + std::to_string(c.line) + ": error: " + c.reason;
    EXPECT_EQ(error.substr(0, expected.size()), expected) << c.what;
  }
}

}  // namespace
