#include "res/Version.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace
{
// The bytes of one resource of this program in its language, empty when there is none.
std::string ResourceBytes(LPCSTR type, int id)
{
    HRSRC info = ::FindResourceExA(nullptr, type, MAKEINTRESOURCEA(id), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!info)
        return "";
    return std::string(static_cast<const char*>(::LockResource(::LoadResource(nullptr, info))),
                       ::SizeofResource(nullptr, info));
}
}

TEST(Resources, IconsVersionAndManifest)
{
    // Each icon group's directory: an image for each size, at its bits per pixel.
    auto images = [](int group) {
        std::vector<std::pair<int, int>> found;
        const std::string directory = ResourceBytes(RT_GROUP_ICON, group);
        for (size_t entry = 6; entry + 14 <= directory.size(); entry += 14)
            found.push_back({static_cast<BYTE>(directory[entry]), *reinterpret_cast<const WORD*>(&directory[entry + 6])});
        return found;
    };
    const std::vector<std::pair<int, int>> app = {{16, 32}, {20, 32}, {24, 32}, {32, 32}, {40, 32}, {48, 32}, {64, 32}};
    const std::vector<std::pair<int, int>> about = {{48, 8}, {48, 32}, {60, 32}, {72, 32}, {96, 32}};
    EXPECT_EQ(app, images(128));
    EXPECT_EQ(about, images(129));

    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> version(::GetFileVersionInfoSizeA(path, nullptr));
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, version.size(), version.data()));
    UINT length = 0;
    for (const auto& [name, expected] : std::map<std::string, std::string>{
             {"ProductVersion", "1.0.9.0401"}, {"FileVersion", LOCATRIX_FILE_VERSION_TEXT}, {"ProductName", "Locatrix"},
             {"CompanyName", "Norvane"}})
    {
        char* data = nullptr;
        const std::string query = "\\StringFileInfo\\040904B0\\" + name;
        EXPECT_TRUE(::VerQueryValueA(version.data(), query.c_str(), reinterpret_cast<void**>(&data), &length) &&
                    expected == data) << name;
    }
    const std::string manifest = ResourceBytes(RT_MANIFEST, 1);
    for (const char* wanted : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"", "level=\"asInvoker\"",
                               "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"})
        EXPECT_NE(std::string::npos, manifest.find(wanted)) << wanted;
    // Windows refuses to start a program whose manifest names another processor.
    const bool wide = sizeof(void*) == 8;
    EXPECT_NE(std::string::npos, manifest.find(wide ? "=\"amd64\"" : "=\"x86\"")) << manifest;
    EXPECT_EQ(std::string::npos, manifest.find(wide ? "=\"x86\"" : "=\"amd64\"")) << manifest;
}
