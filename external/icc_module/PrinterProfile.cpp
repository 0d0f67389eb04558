#include "icc_module/PrinterProfile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "icc_module/IccBytes.h"
#include "icc_module/ProfileRequest.h"
#include "icc_module/ToneCurve.h"

namespace icc {
namespace {

using Vec3 = std::array<double, 3>;

constexpr int kGrid = 9;
constexpr int kOutputEntries = 256;
constexpr Vec3 kD50 = {0.9642, 1.0, 0.8249};

// Linear device RGB to XYZ (D50), rows summing to the white point.
constexpr double kToXyz[3][3] = {
    {0.4360747, 0.3850649, 0.1430804},
    {0.2225045, 0.7168786, 0.0606169},
    {0.0139322, 0.0971045, 0.7141733},
};

Vec3 Multiply(const double (&m)[3][3], const Vec3& v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

void Invert(const double (&m)[3][3], double (&out)[3][3])
{
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            out[r][c] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
        }
    }
}

double LabF(double t)
{
    constexpr double e = 216.0 / 24389.0;
    return t > e ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
}

double LabFInverse(double f)
{
    const double cube = f * f * f;
    return cube > 216.0 / 24389.0 ? cube : (116.0 * f - 16.0) * 27.0 / 24389.0;
}

// Lab in the version 2 16-bit encoding (L 0 … 0xFF00, a and b with 0x8000 as 0).
Vec3 XyzToLab16(const Vec3& xyz)
{
    const double fx = LabF(xyz[0] / kD50[0]), fy = LabF(xyz[1] / kD50[1]), fz = LabF(xyz[2] / kD50[2]);
    const double l = 116.0 * fy - 16.0, a = 500.0 * (fx - fy), b = 200.0 * (fy - fz);
    return {std::clamp(l * 652.8, 0.0, 65280.0), std::clamp((a + 128.0) * 256.0, 0.0, 65535.0),
            std::clamp((b + 128.0) * 256.0, 0.0, 65535.0)};
}

Vec3 Lab16ToXyz(const Vec3& lab)
{
    const double l = lab[0] / 652.8, a = lab[1] / 256.0 - 128.0, b = lab[2] / 256.0 - 128.0;
    const double fy = (l + 16.0) / 116.0;
    return {kD50[0] * LabFInverse(fy + a / 500.0), kD50[1] * LabFInverse(fy), kD50[2] * LabFInverse(fy - b / 200.0)};
}

uint16_t Word(double fraction)
{
    return static_cast<uint16_t>(std::lround(std::clamp(fraction, 0.0, 1.0) * 65535.0));
}

// A lut16Type element: identity matrix, input tables, CLUT of kGrid points per input, output tables.
std::vector<uint8_t> Lut16(int outputs, const std::vector<std::vector<uint16_t>>& inputTables,
                           const std::function<void(const Vec3&, std::vector<double>&)>& clut,
                           const std::vector<std::vector<uint16_t>>& outputTables)
{
    IccBytes e;
    e.Signature("mft2");
    e.Zeros(4);
    e.U8(3);
    e.U8(static_cast<uint8_t>(outputs));
    e.U8(kGrid);
    e.U8(0);
    for (int i = 0; i < 9; ++i) e.S15Fixed16(i % 4 == 0 ? 1.0 : 0.0);
    e.U16(static_cast<uint16_t>(inputTables[0].size()));
    e.U16(static_cast<uint16_t>(outputTables[0].size()));
    for (const auto& table : inputTables) {
        for (uint16_t v : table) e.U16(v);
    }
    std::vector<double> out(outputs);
    for (int i = 0; i < kGrid; ++i) {
        for (int j = 0; j < kGrid; ++j) {
            for (int k = 0; k < kGrid; ++k) {
                clut({double(i) / (kGrid - 1), double(j) / (kGrid - 1), double(k) / (kGrid - 1)}, out);
                for (double v : out) e.U16(Word(v));
            }
        }
    }
    for (const auto& table : outputTables) {
        for (uint16_t v : table) e.U16(v);
    }
    return std::move(e.Bytes());
}

std::vector<std::vector<uint16_t>> Straight(int channels)
{
    return std::vector<std::vector<uint16_t>>(channels, std::vector<uint16_t>{0, 65535});
}

std::vector<uint8_t> XyzElement(const Vec3& xyz)
{
    IccBytes e;
    e.Signature("XYZ ");
    e.Zeros(4);
    for (double v : xyz) e.S15Fixed16(v);
    return std::move(e.Bytes());
}

std::vector<uint8_t> DescriptionElement(const std::string& text)
{
    IccBytes e;
    e.Signature("desc");
    e.Zeros(4);
    e.U32(static_cast<uint32_t>(text.size() + 1));
    e.Text(text);
    e.U8(0);
    e.Zeros(4 + 4 + 2 + 1 + 67);  // no Unicode, no ScriptCode text
    return std::move(e.Bytes());
}

std::vector<uint8_t> TextElement(const std::string& text)
{
    IccBytes e;
    e.Signature("text");
    e.Zeros(4);
    e.Text(text);
    e.U8(0);
    return std::move(e.Bytes());
}

std::vector<uint8_t> Header()
{
    IccBytes h;
    h.U32(0);  // size, filled in on assembly
    h.U32(0);  // no preferred CMM
    h.U32(0x02400000);
    h.Signature("prtr");
    h.Signature("RGB ");
    h.Signature("Lab ");
    for (uint16_t v : {2000, 1, 1, 0, 0, 0}) h.U16(v);  // a fixed date keeps profiles reproducible
    h.Signature("acsp");
    h.Signature("MSFT");
    h.U32(0);   // flags
    h.U32(0);   // manufacturer
    h.U32(0);   // model
    h.Zeros(8); // attributes: reflective, glossy
    h.U32(0);   // perceptual
    for (double v : kD50) h.S15Fixed16(v);
    h.U32(0);   // creator
    h.Zeros(44);
    return std::move(h.Bytes());
}

}  // namespace

std::vector<uint8_t> BuildPrinterProfile(const uint8_t* table, int xResolution, int yResolution)
{
    const double gain = DotGain(xResolution, yResolution);
    std::vector<ToneCurve> tones;
    for (int c = 0; c < 3; ++c) {
        tones.emplace_back(table + kCurveAt + c * kCurvePoints, kCurvePoints, gain);
    }
    // The black curve sets how deep the darkest black is.
    double blackMean = 0.0;
    for (int p = 0; p < kCurvePoints; ++p) blackMean += table[kCurveAt + 3 * kCurvePoints + p];
    blackMean /= kCurvePoints * 255.0;
    const double black = 0.0025 + 0.02 * (1.0 - blackMean);

    double fromXyz[3][3];
    Invert(kToXyz, fromXyz);
    auto toXyz = [&](const Vec3& rgb) {
        const Vec3 xyz = Multiply(kToXyz, rgb);
        return Vec3{xyz[0] * (1.0 - black) + kD50[0] * black, xyz[1] * (1.0 - black) + kD50[1] * black,
                    xyz[2] * (1.0 - black) + kD50[2] * black};
    };
    auto toLinear = [&](const Vec3& lab16) {
        const Vec3 xyz = Lab16ToXyz(lab16);
        const Vec3 lifted = {(xyz[0] - kD50[0] * black) / (1.0 - black), (xyz[1] - kD50[1] * black) / (1.0 - black),
                             (xyz[2] - kD50[2] * black) / (1.0 - black)};
        return Multiply(fromXyz, lifted);
    };

    std::vector<std::vector<uint16_t>> deviceToLinear(3), linearToDevice(3);
    for (int c = 0; c < 3; ++c) {
        for (int p = 0; p < kCurvePoints; ++p) {
            deviceToLinear[c].push_back(Word(tones[c].Apply(double(p) / (kCurvePoints - 1))));
        }
        for (int k = 0; k < kOutputEntries; ++k) {
            linearToDevice[c].push_back(Word(tones[c].Invert(double(k) / (kOutputEntries - 1))));
        }
    }

    const std::vector<uint8_t> aToB = Lut16(
        3, deviceToLinear,
        [&](const Vec3& rgb, std::vector<double>& out) {
            const Vec3 lab = XyzToLab16(toXyz(rgb));
            for (int c = 0; c < 3; ++c) out[c] = lab[c] / 65535.0;
        },
        Straight(3));
    const std::vector<uint8_t> bToA = Lut16(
        3, Straight(3),
        [&](const Vec3& grid, std::vector<double>& out) {
            const Vec3 rgb = toLinear({grid[0] * 65535.0, grid[1] * 65535.0, grid[2] * 65535.0});
            for (int c = 0; c < 3; ++c) out[c] = std::clamp(rgb[c], 0.0, 1.0);
        },
        linearToDevice);
    const std::vector<uint8_t> gamut = Lut16(
        1, Straight(3),
        [&](const Vec3& grid, std::vector<double>& out) {
            const Vec3 rgb = toLinear({grid[0] * 65535.0, grid[1] * 65535.0, grid[2] * 65535.0});
            const bool inside = std::all_of(rgb.begin(), rgb.end(), [](double v) { return v > -0.01 && v < 1.01; });
            out[0] = inside ? 0.0 : 1.0;
        },
        Straight(1));

    // The description names the request and a digest of the whole table, so that tables the
    // curves do not tell apart still give different profiles.
    uint64_t digest = 0xCBF29CE484222325ull;
    for (int k = 0; k < kTableSize; ++k) digest = (digest ^ table[k]) * 0x100000001B3ull;
    char description[96];
    std::snprintf(description, sizeof description, "Printer RGB %dx%d dpi table %016llX", xResolution, yResolution,
                  static_cast<unsigned long long>(digest));

    TagList tags;
    tags.Add("desc", DescriptionElement(description));
    tags.Add("cprt", TextElement("No copyright, use freely"));
    tags.Add("wtpt", XyzElement(kD50));
    const size_t a = tags.Add("A2B0", aToB);
    tags.Share("A2B1", a);
    tags.Share("A2B2", a);
    const size_t b = tags.Add("B2A0", bToA);
    tags.Share("B2A1", b);
    tags.Share("B2A2", b);
    tags.Add("gamt", gamut);
    return tags.Assemble(Header());
}

}  // namespace icc
