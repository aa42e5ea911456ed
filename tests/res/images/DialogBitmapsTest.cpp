#include "res/images/DibChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <set>

namespace {

const std::filesystem::path kBitmapFolder =
    std::filesystem::path(CADDORA_SOURCE_DIR) / "src/res/images";

using dib::Picture;

// The main dialog's pictures: the picture controls take the size of their bitmaps, so these
// sizes are the dialog's layout.
const dib::BitmapExpectation kBitmaps[] = {
    {"bitmap131.bmp", 79, 42, 8, Picture::Button},  // Setup
    {"bitmap132.bmp", 62, 42, 8, Picture::Button},  // -10 yd
    {"bitmap133.bmp", 62, 42, 8, Picture::Button},  // -20 yd
    {"bitmap134.bmp", 62, 42, 8, Picture::Button},  // +10 yd
    {"bitmap135.bmp", 62, 42, 4, Picture::Button},  // +20 yd
    {"bitmap136.bmp", 79, 42, 8, Picture::Button},  // Close
    {"bitmap137.bmp", 174, 42, 8, Picture::Button}, // Recommend Club
    {"bitmap139.bmp", 226, 146, 8, Picture::Banner},
    {"bitmap152.bmp", 62, 42, 8, Picture::Button},  // -10 m
    {"bitmap153.bmp", 62, 42, 8, Picture::Button},  // -20 m
    {"bitmap154.bmp", 62, 42, 8, Picture::Button},  // +10 m
    {"bitmap155.bmp", 62, 42, 4, Picture::Button},  // +20 m
    {"bitmap160.bmp", 79, 42, 8, Picture::Button},  // Profil
    {"bitmap161.bmp", 79, 42, 8, Picture::Button},  // Beenden
    {"bitmap162.bmp", 174, 42, 8, Picture::Button}, // Schläger empfehlen
    {"bitmap163.bmp", 79, 42, 8, Picture::Button},  // Profil
    {"bitmap164.bmp", 79, 42, 8, Picture::Button},  // Quitter
    {"bitmap165.bmp", 174, 42, 8, Picture::Button}, // Conseiller un club
    {"bitmap166.bmp", 79, 42, 8, Picture::Button},  // Perfil
    {"bitmap167.bmp", 79, 42, 8, Picture::Button},  // Salir
    {"bitmap168.bmp", 174, 42, 8, Picture::Button}, // Recomendar palo
};

// Their variants at twice the resolution, for screens with more device pixels than pixels.
const dib::BitmapExpectation kFineBitmaps[] = {
    {"bitmap131@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap132@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap133@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap134@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap135@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap136@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap137@2x.bmp", 348, 84, 8, Picture::Button},
    {"bitmap139@2x.bmp", 452, 292, 8, Picture::Banner},
    {"bitmap152@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap153@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap154@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap155@2x.bmp", 124, 84, 8, Picture::Button},
    {"bitmap160@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap161@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap162@2x.bmp", 348, 84, 8, Picture::Button},
    {"bitmap163@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap164@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap165@2x.bmp", 348, 84, 8, Picture::Button},
    {"bitmap166@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap167@2x.bmp", 158, 84, 8, Picture::Button},
    {"bitmap168@2x.bmp", 348, 84, 8, Picture::Button},
};

class DialogBitmap : public testing::TestWithParam<dib::BitmapExpectation> {};

TEST_P(DialogBitmap, IsAnUncompressedPalettizedBitmapOfItsSizeOnTheDialogGreen) {
    const dib::Bytes data = dib::ReadFile(kBitmapFolder / GetParam().file);
    ASSERT_FALSE(data.empty()) << GetParam().file << " is missing";
    EXPECT_EQ(dib::CheckBitmap(data, GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(MainDialog, DialogBitmap, testing::ValuesIn(kBitmaps),
                         [](const testing::TestParamInfo<dib::BitmapExpectation>& info) {
                             return std::string(info.param.file).substr(0, 9);
                         });

INSTANTIATE_TEST_SUITE_P(FineVariants, DialogBitmap, testing::ValuesIn(kFineBitmaps),
                         [](const testing::TestParamInfo<dib::BitmapExpectation>& info) {
                             return std::string(info.param.file).substr(0, 9) + "AtTwice";
                         });

// A fine variant shows its own picture: each block of two by two of its pixels averages to
// about the green of the one pixel it stands for.
TEST(DialogBitmapVariants, ShowTheSamePictureAsTheirBitmaps) {
    for (std::size_t i = 0; i < std::size(kBitmaps); ++i) {
        const dib::Bytes normal = dib::ReadFile(kBitmapFolder / kBitmaps[i].file);
        const dib::Bytes fine = dib::ReadFile(kBitmapFolder / kFineBitmaps[i].file);
        dib::Dib n;
        dib::Dib f;
        ASSERT_EQ(dib::ReadDib(normal, 14, normal.size(), false, dib::U32(normal, 10), n), "");
        ASSERT_EQ(dib::ReadDib(fine, 14, fine.size(), false, dib::U32(fine, 10), f), "");
        double difference = 0;
        for (int y = 0; y < n.rows; ++y) {
            for (int x = 0; x < n.width; ++x) {
                int green = 0;
                for (int d = 0; d < 4; ++d) {
                    green += dib::ColourAt(fine, f, 2 * x + d % 2, 2 * y + d / 2).g;
                }
                difference += std::abs(green / 4.0 - dib::ColourAt(normal, n, x, y).g);
            }
        }
        EXPECT_LT(difference / (n.width * n.rows), 12.0) << kFineBitmaps[i].file;
    }
}

TEST(DialogImageFolder, HoldsExactlyTheDialogBitmapsTheirVariantsAndTheIcon) {
    std::set<std::string> expected = {"icon128.ico"};
    for (const auto& bitmap : kBitmaps) {
        expected.insert(bitmap.file);
    }
    for (const auto& bitmap : kFineBitmaps) {
        expected.insert(bitmap.file);
    }
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(kBitmapFolder)) {
        found.insert(entry.path().filename().string());
    }
    EXPECT_EQ(found, expected);
}

// Each damage must be caught, and for its own reason, or the checks above prove nothing.
struct BitmapDamage {
    const char* name;
    std::function<void(dib::Bytes&)> apply;
    const char* problem;
};

void PrintTo(const BitmapDamage& damage, std::ostream* os) {
    *os << damage.name;
}

std::size_t PaletteIndexOf(const dib::Bytes& d, dib::Rgb colour) {
    for (std::size_t p = 54; p < dib::U32(d, 10); p += 4) {
        if (dib::Rgb{d[p + 2], d[p + 1], d[p]} == colour) {
            return p;
        }
    }
    return 0;
}

void Recolour(dib::Bytes& d, dib::Rgb from, dib::Rgb to) {
    for (std::size_t p = 54; p < dib::U32(d, 10); p += 4) {
        if (dib::Rgb{d[p + 2], d[p + 1], d[p]} == from) {
            d[p] = to.b;
            d[p + 1] = to.g;
            d[p + 2] = to.r;
        }
    }
}

const BitmapDamage kBitmapDamages[] = {
    {"signature", [](dib::Bytes& d) { d[1] = 'A'; }, "signature"},
    {"size field", [](dib::Bytes& d) { dib::Put32(d, 2, dib::U32(d, 2) + 1); }, "file size"},
    {"cut short",
     [](dib::Bytes& d) {
         d.resize(d.size() - 100);
         dib::Put32(d, 2, static_cast<std::uint32_t>(d.size()));
     },
     "truncated"},
    {"core header", [](dib::Bytes& d) { dib::Put32(d, 14, 12); }, "header size"},
    {"wider", [](dib::Bytes& d) { dib::Put32(d, 18, 80); }, "width"},
    {"top-down rows", [](dib::Bytes& d) { dib::Put32(d, 22, static_cast<std::uint32_t>(-42)); },
     "dimensions"},
    {"24 bits", [](dib::Bytes& d) { d[28] = 24; }, "palette size"},
    {"4 bits", [](dib::Bytes& d) { d[28] = 4; }, "palette size"},
    {"run-length", [](dib::Bytes& d) { dib::Put32(d, 30, 1); }, "compression"},
    {"too many colours", [](dib::Bytes& d) { dib::Put32(d, 46, 257); }, "palette size"},
    {"short palette", [](dib::Bytes& d) { dib::Put32(d, 46, 128); }, "pixel offset"},
    {"pixels moved", [](dib::Bytes& d) { dib::Put32(d, 10, 54); }, "pixel offset"},
    {"index beyond palette",
     [](dib::Bytes& d) {
         dib::Put32(d, 46, 200);
         // keep the pixels where they are by moving the start back to the shorter palette
         d.erase(d.begin() + 54 + 200 * 4, d.begin() + 54 + 256 * 4);
         dib::Put32(d, 10, 54 + 200 * 4);
         dib::Put32(d, 2, static_cast<std::uint32_t>(d.size()));
         d.back() = 255;
     },
     "pixel beyond palette"},
    {"corner not background",
     [](dib::Bytes& d) {
         Recolour(d, dib::kBackground, dib::Rgb{172, 211, 115});
     },
     "background"},
    {"no button body",
     [](dib::Bytes& d) {
         Recolour(d, dib::kButtonBody, {89, 133, 39});
     },
     "button body"},
    {"no lettering",
     [](dib::Bytes& d) {
         Recolour(d, dib::kWhite, {250, 250, 250});
     },
     "lettering"},
    {"lettering shifted",
     [](dib::Bytes& d) {
         // Shift every pixel row four pixels to the left, filling with the body colour.
         const auto body =
             static_cast<std::uint8_t>((PaletteIndexOf(d, dib::kButtonBody) - 54) / 4);
         const std::size_t offset = dib::U32(d, 10);
         for (std::size_t row = offset; row < d.size(); row += 80) {
             for (std::size_t x = 1; x + 4 < 78; ++x) {
                 d[row + x] = (x + 4 < 74) ? d[row + x + 4] : body;
             }
         }
     },
     "lettering off centre"},
};

class DamagedBitmap : public testing::TestWithParam<BitmapDamage> {};

TEST_P(DamagedBitmap, IsRejectedForItsFault) {
    dib::Bytes data = dib::ReadFile(kBitmapFolder / "bitmap131.bmp");
    ASSERT_EQ(dib::CheckBitmap(data, kBitmaps[0]), "");
    GetParam().apply(data);
    EXPECT_EQ(dib::CheckBitmap(data, kBitmaps[0]), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(Setup, DamagedBitmap, testing::ValuesIn(kBitmapDamages),
                         [](const testing::TestParamInfo<BitmapDamage>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(DialogBitmapLook, BannerWithoutTheNameIsRejected) {
    dib::Bytes data = dib::ReadFile(kBitmapFolder / "bitmap139.bmp");
    Recolour(data, dib::kBlack, {1, 1, 1});
    // Palette entries padded with black are unused; recolouring them changes nothing else.
    EXPECT_EQ(dib::CheckBitmap(data, kBitmaps[7]), "script");
}

TEST(DialogBitmapLook, ButtonTakenForTheBannerIsRejected) {
    const dib::Bytes data = dib::ReadFile(kBitmapFolder / "bitmap137.bmp");
    EXPECT_NE(dib::CheckBitmap(data, {"bitmap137.bmp", 174, 42, 8, Picture::Banner}), "");
}

} // namespace
