// The installer's own file, read back beside the program's: the same version
// record, the program's icon, and a manifest that asks for no elevation.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "built_program_win.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/utf16.h"

namespace {

// A program file's resources, loaded as data.
class Resources {
 public:
  explicit Resources(const std::wstring& file)
      : module_(LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {
    DWORD ignored = 0;
    version_.resize(GetFileVersionInfoSizeW(file.c_str(), &ignored));
    if (!version_.empty()) GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(version_.size()), version_.data());
  }
  ~Resources() {
    if (module_) FreeLibrary(module_);
  }

  bool Loaded() const { return module_ && !version_.empty(); }

  std::string Bytes(const wchar_t* type, const wchar_t* name) const {
    HRSRC found = FindResourceW(module_, name, type);
    if (!found) return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(bytes, SizeofResource(module_, found));
  }

  // The images of an icon group, each as its bytes, in the group's order.
  std::vector<std::string> IconImages(const wchar_t* group_name) const {
    const std::string group = Bytes(RT_GROUP_ICON, group_name);
    std::vector<std::string> images;
    WORD count = 0;
    if (group.size() >= 6) std::memcpy(&count, group.data() + 4, 2);
    for (std::size_t i = 0; i < count && 6 + 14 * (i + 1) <= group.size(); ++i) {
      WORD id = 0;
      std::memcpy(&id, group.data() + 6 + 14 * i + 12, 2);
      images.push_back(Bytes(RT_ICON, MAKEINTRESOURCEW(id)));
    }
    return images;
  }

  // The first icon group: the one Explorer shows for the file.
  std::vector<std::string> FirstIconImages() const {
    std::vector<std::wstring> names;
    EnumResourceNamesW(module_, RT_GROUP_ICON, [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
      auto& list = *reinterpret_cast<std::vector<std::wstring>*>(found);
      list.push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
      return FALSE;
    }, reinterpret_cast<LONG_PTR>(&names));
    return names.empty() ? std::vector<std::string>() : IconImages(names.front().c_str());
  }

  // A string of the version record, in its first language.
  std::string Version(const std::string& name) const {
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(version_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 4) {
      return "(no translation)";
    }
    wchar_t block[32];
    swprintf(block, 32, L"\\StringFileInfo\\%04X%04X\\", translation[0], translation[1]);
    wchar_t* text = nullptr;
    if (!VerQueryValueW(version_.data(), (block + ui::win32::Wide(name)).c_str(), reinterpret_cast<void**>(&text), &length) ||
        !text) {
      return "(none)";
    }
    return ui::win32::Narrow(text);
  }

  VS_FIXEDFILEINFO Fixed() const {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(version_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return {};
    return *fixed;
  }

 private:
  HMODULE module_;
  std::vector<char> version_;
};

TEST(InstallerFileTest, CarriesTheProgramsVersionIconAndNoElevation) {
  const Resources program(testing_support::BuiltProgramFile(ZVC_PROGRAM_FILE));
  const Resources installer(testing_support::BuiltProgramFile(ZVC_INSTALLER_FILE));
  ASSERT_TRUE(program.Loaded());
  ASSERT_TRUE(installer.Loaded());

  for (const char* name : {"ProductName", "CompanyName", "FileVersion", "ProductVersion"}) {
    EXPECT_EQ(installer.Version(name), program.Version(name)) << name;
  }
  EXPECT_EQ(installer.Version("FileDescription"), "Installation de Zantrel Velquist Creator");
  EXPECT_EQ(installer.Fixed().dwFileVersionMS, program.Fixed().dwFileVersionMS);
  EXPECT_EQ(installer.Fixed().dwFileVersionLS, program.Fixed().dwFileVersionLS);
  EXPECT_EQ(installer.Fixed().dwProductVersionMS, program.Fixed().dwProductVersionMS);
  EXPECT_EQ(installer.Fixed().dwProductVersionLS, program.Fixed().dwProductVersionLS);

  const auto icon = program.IconImages(MAKEINTRESOURCEW(ZVC_ICON_APPLICATION));
  ASSERT_FALSE(icon.empty());
  EXPECT_EQ(installer.FirstIconImages(), icon);

  const std::string manifest = installer.Bytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
}

}  // namespace
