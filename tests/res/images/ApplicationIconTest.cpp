#include "res/images/DibChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

const std::filesystem::path kIcon =
    std::filesystem::path(CADDORA_SOURCE_DIR) / "src/res/images/icon128.ico";

// The four images of the application icon, in the order the icon group lists them.
const std::vector<dib::IconExpectation> kImages = {
    {32, 4, 16},
    {32, 8, 0},
    {32, 24, 0},
    {16, 4, 16},
};

constexpr std::size_t Entry(std::size_t i) {
    return 6 + 16 * i;
}

std::size_t ImageAt(const dib::Bytes& d, std::size_t i) {
    return dib::U32(d, Entry(i) + 12);
}

TEST(ApplicationIcon, HoldsFourWellFormedImagesWithMasks) {
    const dib::Bytes data = dib::ReadFile(kIcon);
    ASSERT_FALSE(data.empty()) << kIcon << " is missing";
    EXPECT_EQ(dib::CheckIcon(data, kImages), "");
}

TEST(ApplicationIcon, ShowsTheDialogGreenInsideTheMask) {
    const dib::Bytes data = dib::ReadFile(kIcon);
    ASSERT_EQ(dib::CheckIcon(data, kImages), "");
    for (std::size_t i = 0; i < kImages.size(); ++i) {
        dib::Dib image;
        const std::size_t at = ImageAt(data, i);
        ASSERT_EQ(dib::ReadDib(data, at, data.size(), true, 0, image), "");
        long green = 0;
        long shown = 0;
        for (int y = 0; y < image.rows; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (!dib::TransparentAt(data, image, x, y)) {
                    ++shown;
                    green += dib::ColourAt(data, image, x, y) == dib::kBackground;
                }
            }
        }
        // A disc shows about three quarters of the square; the figure covers part of it.
        EXPECT_GT(shown * 10, image.width * image.rows * 6L) << "image " << i;
        EXPECT_LT(shown * 10, image.width * image.rows * 9L) << "image " << i;
        EXPECT_GT(green * 4, shown) << "image " << i;
    }
}

struct Damage {
    const char* name;
    std::function<void(dib::Bytes&)> apply;
    const char* problem;
};

void PrintTo(const Damage& damage, std::ostream* os) {
    *os << damage.name;
}

const Damage kDamages[] = {
    {"cursor type", [](dib::Bytes& d) { d[2] = 2; }, "type"},
    {"three images", [](dib::Bytes& d) { d[4] = 3; }, "count"},
    {"entry claims 48 pixels", [](dib::Bytes& d) { d[Entry(0)] = 48; }, "entry size"},
    {"entry claims 256 colours", [](dib::Bytes& d) { d[Entry(0) + 2] = 0; }, "entry depth"},
    {"entry claims 8 bits", [](dib::Bytes& d) { d[Entry(3) + 6] = 8; }, "entry depth"},
    {"image past the end",
     [](dib::Bytes& d) { dib::Put32(d, Entry(3) + 12, static_cast<std::uint32_t>(d.size())); },
     "entry bounds"},
    {"length too short",
     [](dib::Bytes& d) { dib::Put32(d, Entry(1) + 8, dib::U32(d, Entry(1) + 8) - 4); },
     "truncated"},
    {"length too long",
     [](dib::Bytes& d) { dib::Put32(d, Entry(0) + 8, dib::U32(d, Entry(0) + 8) + 4); },
     "image length"},
    {"height not doubled", [](dib::Bytes& d) { dib::Put32(d, ImageAt(d, 2) + 8, 32); },
     "image size"},
    {"image depth differs", [](dib::Bytes& d) { d[ImageAt(d, 1) + 14] = 4; }, "image depth"},
    {"compressed image", [](dib::Bytes& d) { dib::Put32(d, ImageAt(d, 0) + 16, 2); },
     "compression"},
    {"mask cleared",
     [](dib::Bytes& d) {
         const std::size_t at = ImageAt(d, 2);
         const std::size_t mask = at + 40 + 96 * 32;
         std::fill(d.begin() + static_cast<long>(mask), d.begin() + static_cast<long>(mask + 128),
                   0);
     },
     "mask"},
    {"colour under the mask",
     [](dib::Bytes& d) {
         // bottom-left pixel of the 24-bit image, which the mask hides
         const std::size_t pixel = ImageAt(d, 2) + 40;
         d[pixel] = d[pixel + 1] = d[pixel + 2] = 0xFF;
     },
     "mask colour"},
};

class DamagedIcon : public testing::TestWithParam<Damage> {};

TEST_P(DamagedIcon, IsRejectedForItsFault) {
    dib::Bytes data = dib::ReadFile(kIcon);
    ASSERT_EQ(dib::CheckIcon(data, kImages), "");
    GetParam().apply(data);
    EXPECT_EQ(dib::CheckIcon(data, kImages), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(Icon, DamagedIcon, testing::ValuesIn(kDamages),
                         [](const testing::TestParamInfo<Damage>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// The desktop's icon: one PNG file (colour with alpha, for the corners outside the disc) for
// each size the icon theme installs, and nothing else.
TEST(DesktopIcon, HasAnRgbaPngFileForEachSize) {
    const auto folder = std::filesystem::path(CADDORA_SOURCE_DIR) / "src/res/icons";
    std::set<std::string> expected;
    for (unsigned size : {16U, 32U, 48U, 64U, 128U, 256U}) {
        const std::string name = "caddora-" + std::to_string(size) + ".png";
        expected.insert(name);
        const dib::Bytes png = dib::ReadFile(folder / name);
        ASSERT_GT(png.size(), 26U) << name;
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG") << name;
        // The header chunk: width and height big-endian, then bit depth and colour type.
        EXPECT_EQ(png[18] * 256U + png[19], size) << name;
        EXPECT_EQ(png[22] * 256U + png[23], size) << name;
        EXPECT_EQ(png[25], 6) << name;
    }
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        found.insert(entry.path().filename().string());
    }
    EXPECT_EQ(found, expected);
}

} // namespace
