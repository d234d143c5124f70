// Helpers of the drawing tests: a hidden window, 32-bit surfaces and reading pixels back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace quorvel::win32::testing {

inline const std::string kTestData = QUORVEL_TEST_DATA;
inline const std::string kSkins = kTestData + "/../../skins/";
inline const std::string kImages = kTestData + "/images/";

// 0x00RRGGBB, as the bytes B, G, R of a 32-bit row read.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}

// The raw 32-bit pixels of a bitmap with alpha, B, G, R, A bytes.
inline std::vector<std::uint32_t> readRawPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The pixels of a bitmap, top row first, alpha byte dropped.
inline std::vector<Rgb> readPixels(HBITMAP bitmap, int width, int height) {
    std::vector<Rgb> pixels = readRawPixels(bitmap, width, height);
    for (Rgb& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

// A 32-bit off-screen surface filled with one colour, selected into its own context.
class Surface {
  public:
    Surface(int width, int height, Rgb fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        auto* p = static_cast<std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i)
            p[i] = fill;
        dc_.reset(CreateCompatibleDC(nullptr));
        old_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~Surface() { SelectObject(dc_.get(), old_); }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_.get(); }
    std::vector<Rgb> pixels() const {
        GdiFlush();
        return readPixels(bitmap_.get(), width_, height_);
    }

  private:
    int width_;
    int height_;
    UniqueBitmap bitmap_;
    UniqueMemoryDc dc_;
    HGDIOBJ old_ = nullptr;
};

// A hidden top-level popup window, as a skinned window is.
class TestWindow {
  public:
    TestWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"QuorvelMouse drawing test", WS_POPUP, 10, 10, 200,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TestWindow() { DestroyWindow(window_); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return window_; }

  private:
    HWND window_;
};

// Saves a bitmap as a 24-bit BMP file, bottom-up as BMP files are.
inline bool saveBmp(HBITMAP bitmap, int width, int height, const std::wstring& path) {
    const std::vector<Rgb> pixels = readPixels(bitmap, width, height);
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(rowBytes) * height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = data.data() + static_cast<std::size_t>(height - 1 - y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const Rgb p = pixels[static_cast<std::size_t>(y) * width + x];
            row[x * 3] = static_cast<std::uint8_t>(p);
            row[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
            row[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
        }
    }
    UniqueKernelHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.valid())
        return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(out.get(), &file, sizeof(file), &written, nullptr) &&
        WriteFile(out.get(), &header, sizeof(header), &written, nullptr) &&
        WriteFile(out.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    return out.close() && ok;
}

}  // namespace quorvel::win32::testing
