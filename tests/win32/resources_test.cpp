// The resources read back from the built program file: the icons and their
// images, the pictures at each scale, every string of the version record,
// the manifest; and its imports, which name only the system's DLLs.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ui/win32/pictures.h"
#include "ui/win32/resource_ids.h"
#include "built_program_win.h"
#include "ui/win32/utf16.h"

namespace {

std::wstring ProgramFile() { return testing_support::BuiltProgramFile(ZVC_PROGRAM_FILE); }

class ProgramResourcesTest : public ::testing::Test {
 protected:
  ProgramResourcesTest()
      : program_(LoadLibraryExW(ProgramFile().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~ProgramResourcesTest() override {
    if (program_) FreeLibrary(program_);
  }

  std::string Resource(const wchar_t* type, int id) {
    HRSRC found = FindResourceW(program_, MAKEINTRESOURCEW(id), type);
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program_, found)));
    return std::string(bytes, SizeofResource(program_, found));
  }

  // Width and bits per pixel of each image of an icon group.
  std::vector<std::pair<int, int>> IconImages(int id) {
    const std::string group = Resource(RT_GROUP_ICON, id);
    std::vector<std::pair<int, int>> images;
    if (group.size() < 6) return images;
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, 2);
    for (std::size_t i = 0; i < count && 6 + 14 * (i + 1) <= group.size(); ++i) {
      const char* entry = group.data() + 6 + 14 * i;
      WORD bits = 0;
      std::memcpy(&bits, entry + 6, 2);
      const int width = static_cast<unsigned char>(entry[0]);
      images.emplace_back(width == 0 ? 256 : width, bits);
    }
    std::sort(images.begin(), images.end());
    return images;
  }

  HMODULE program_;
};

TEST_F(ProgramResourcesTest, TheIconsHoldEveryImageOfTheirFiles) {
  ASSERT_NE(program_, nullptr);
  EXPECT_EQ(IconImages(ZVC_ICON_APPLICATION),
            (std::vector<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}}));
  EXPECT_EQ(IconImages(ZVC_ICON_PAGE), (std::vector<std::pair<int, int>>{{32, 32}, {48, 32}, {64, 32}}));
}

TEST_F(ProgramResourcesTest, EveryPictureIsThereAtEachScale) {
  ASSERT_NE(program_, nullptr);
  for (int id : {ZVC_PNG_LOGO_150, ZVC_PNG_LOGO_200}) {
    EXPECT_EQ(Resource(RT_RCDATA, id).substr(0, 8), "\x89PNG\r\n\x1a\n") << id;
  }
  for (int id : {ZVC_BITMAP_LOGO_100, ZVC_BITMAP_SEPARATOR_100, ZVC_BITMAP_SEPARATOR_150, ZVC_BITMAP_SEPARATOR_200}) {
    EXPECT_FALSE(Resource(RT_BITMAP, id).empty()) << id;
  }
}

// A bitmap's pixels as 32-bit BGRX, top-down rows.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
  BITMAP size{};
  GetObjectW(bitmap, sizeof(size), &size);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.bmWidth;
  info.bmiHeader.biHeight = -size.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

TEST(Pictures, TheLogoDecodedFromItsPngHasThePixelsOfTheUncompressedBitmap) {
  HBITMAP decoded = ui::win32::LoadPictureBitmap(ui::Picture::Logo, 144);
  ASSERT_NE(decoded, nullptr);
  const std::wstring file = testing_support::BuiltProgramFile(ZVC_ASSETS_DIR "/logo_150.bmp");
  auto original = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(original, nullptr);
  const std::vector<std::uint32_t> pixels = Pixels(decoded);
  EXPECT_EQ(pixels.size(), 192u * 420u);
  EXPECT_TRUE(pixels == Pixels(original));
  DeleteObject(decoded);
  DeleteObject(original);
}

TEST_F(ProgramResourcesTest, TheVersionRecordGivesTheProgramsNamesAndVersion) {
  const std::wstring file = ProgramFile();
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeW(file.c_str(), &ignored));
  ASSERT_FALSE(record.empty());
  ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(record.size()), record.data()));
  auto value = [&](const std::string& name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring key = L"\\StringFileInfo\\040C04E4\\" + ui::win32::Wide(name);
    if (!VerQueryValueW(record.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return std::string("(none)");
    return ui::win32::Narrow(text);
  };
  for (const char* name : {"ProductName", "FileDescription", "InternalName", "Comments"}) {
    EXPECT_EQ(value(name), "Zantrel Velquist Creator") << name;
  }
  EXPECT_EQ(value("CompanyName"), "Zantrel");
  EXPECT_EQ(value("FileVersion"), "1.00");
  EXPECT_EQ(value("ProductVersion"), "1.00");
  EXPECT_EQ(value("OriginalFilename"), "Zantrel Velquist Creator.exe");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
}

TEST_F(ProgramResourcesTest, TheManifestAsksForThemedControlsAndPerMonitorDpi) {
  ASSERT_NE(program_, nullptr);
  const std::string manifest = Resource(RT_MANIFEST, 1);
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
}

// "type/name: language" of every resource of a module, numbers in hexadecimal.
BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR list) {
  char text[64];
  std::snprintf(text, sizeof(text), "%llx/%llx: %04x", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(type)),
                static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(name)), language);
  reinterpret_cast<std::vector<std::string>*>(list)->push_back(text);
  return TRUE;
}
BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR list) {
  EnumResourceLanguagesW(module, type, name, AddLanguage, list);
  return TRUE;
}
BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR list) {
  EnumResourceNamesW(module, type, AddName, list);
  return TRUE;
}

TEST_F(ProgramResourcesTest, EveryResourceIsFrenchAsTheVersionRecordSays) {
  ASSERT_NE(program_, nullptr);
  std::vector<std::string> resources;
  EnumResourceTypesW(program_, AddType, reinterpret_cast<LONG_PTR>(&resources));
  EXPECT_GE(resources.size(), 10u);
  for (const std::string& resource : resources) {
    EXPECT_EQ(resource.substr(resource.size() - 4), "040c") << resource;
  }
}

// The names of the DLLs the program file imports, read from its PE header.
std::set<std::string> ImportedDlls(const std::string& image) {
  std::set<std::string> names;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
  const auto* sections = IMAGE_FIRST_SECTION(nt);
  auto offset = [&](DWORD rva) -> std::size_t {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const auto& section = sections[i];
      if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize) {
        return rva - section.VirtualAddress + section.PointerToRawData;
      }
    }
    return 0;
  };
  const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + offset(imports));
       entry->Name != 0; ++entry) {
    std::string name = image.data() + offset(entry->Name);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    names.insert(name);
  }
  return names;
}

TEST(ProgramFile, ImportsOnlyTheSystemsDlls) {
  std::ifstream file(std::filesystem::path(ProgramFile()), std::ios::binary);
  const std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_GT(image.size(), 4096u);
  // Not shell32 nor ole32: each costs the start under Wine, and the program
  // loads them only when it needs them.
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",  "gdi32.dll", "msvcrt.dll",
                                        "advapi32.dll", "comctl32.dll", "imm32.dll"};
  const std::set<std::string> imported = ImportedDlls(image);
  EXPECT_TRUE(imported.count("user32.dll"));
  for (const std::string& name : imported) EXPECT_TRUE(system.count(name)) << name;
}

}  // namespace
