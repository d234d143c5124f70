// Times one hover redraw of a text button (its over image, its caption, the copy of the
// client area to the screen) with the decoded-image cache and with a decode on every draw.
// Run under Wine: wine drawing_bench.exe [skin directory] [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/gdiplus_api.h"
#include "platform/win32/page_canvas.h"
#include "platform/win32/skin_drawing.h"
#include "ui/skin_images.h"
#include "ui/skin_path.h"

namespace {

using namespace quorvel;
using namespace quorvel::win32;
using Clock = std::chrono::steady_clock;

constexpr Rect kApply{666, 623, 771, 644};

struct Timing {
    double composeUs = 0;  // median of image + caption into the page surface
    double medianUs = 0;   // median of the whole redraw, copy to screen included
    double meanUs = 0;
};

double median(std::vector<double> samples) {
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Without the cache's help, every draw decodes its image from the file again.
enum class Decoding { Once, EveryDraw };

Timing hoverRedraws(HWND window, const std::string& skin, Decoding decoding, int rounds) {
    PageSurface surface;
    if (!setUpBackground(window, SkinPath(skin, skin_image::kBasicBackground), surface)) {
        std::fprintf(stderr, "cannot load the background of %s\n", skin.c_str());
        std::exit(1);
    }
    Win32SkinImageDecoder decoder;
    SkinImageCache cache(decoder);
    cache.setSkinDirectory(skin);
    const SkinFonts fonts = SkinFonts::forLanguage("EN");
    PageCanvas canvas(window, surface, fonts, cache);

    std::vector<double> samples;
    std::vector<double> compose;
    samples.reserve(static_cast<std::size_t>(rounds));
    compose.reserve(static_cast<std::size_t>(rounds));
    for (int i = 0; i < rounds + 5; ++i) {
        const std::string_view image = i % 2 ? skin_image::kButtonOver : skin_image::kButtonNormal;
        const auto start = Clock::now();
        if (decoding == Decoding::EveryDraw)
            cache.clear();
        canvas.drawImage(image, kApply.left, kApply.top);
        canvas.drawText("Apply", kApply, TextPlacement::Centre, FontRole::Text,
                        rgbColour(230, 230, 230));
        GdiFlush();
        const auto composed = Clock::now();
        canvas.copyToScreen();
        GdiFlush();
        const auto stop = Clock::now();
        if (i < 5)
            continue;  // warm-up: first decodes, font realisation
        samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
        compose.push_back(std::chrono::duration<double, std::micro>(composed - start).count());
    }
    Timing timing;
    for (double s : samples)
        timing.meanUs += s;
    timing.meanUs /= static_cast<double>(samples.size());
    timing.medianUs = median(samples);
    timing.composeUs = median(compose);
    return timing;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string skin = argc > 1 ? argv[1] : QUORVEL_SKINS_DIR "/Default";
    const int rounds = argc > 2 ? std::max(10, std::atoi(argv[2])) : 400;
    HWND window = CreateWindowExW(0, L"STATIC", L"QuorvelMouse drawing bench", WS_POPUP, 0, 0, 10,
                                  10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    GdiplusSession gdiplus;  // as the application holds it for its whole run
    const Timing cached = hoverRedraws(window, skin, Decoding::Once, rounds);
    const Timing fresh = hoverRedraws(window, skin, Decoding::EveryDraw, rounds);

    std::printf("hover redraw of one text button (image, caption, 900x660 copy), %d rounds\n",
                rounds);
    std::printf("%-22s %14s %14s %14s\n", "", "compose (med)", "redraw (med)", "redraw (mean)");
    std::printf("%-22s %11.1f us %11.1f us %11.1f us\n", "with the image cache", cached.composeUs,
                cached.medianUs, cached.meanUs);
    std::printf("%-22s %11.1f us %11.1f us %11.1f us\n", "decoding every draw", fresh.composeUs,
                fresh.medianUs, fresh.meanUs);
    std::printf("%-22s %13.1fx %13.1fx\n", "speed-up", fresh.composeUs / cached.composeUs,
                fresh.medianUs / cached.medianUs);
    DestroyWindow(window);
    return 0;
}
