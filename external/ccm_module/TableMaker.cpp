#include "ccm_module/TableMaker.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "ccm_module/PatchDefaults.h"
#include "ccm_module/ZoneDefaults.h"

namespace ccm {
namespace {

constexpr int kHeader = 4;
constexpr int kCurves = 4;  // cyan, magenta, yellow, black
constexpr int kCurvePoints = 54;
constexpr int kStepBytes = 6;
constexpr int kBody = kCurves * kCurvePoints;
constexpr int kDigestAt = kHeader + kBody;
static_assert(kDigestAt + 8 == kTableSize);
static_assert(kHeader + kHueSteps * kStepBytes == kDigestAt);

constexpr uint8_t kFormat = 1;
constexpr uint8_t kColourKind = 1;
constexpr uint8_t kCoreKind = 2;
constexpr int kCentre = 128;

// Tables before header and digest: tone curves (T) and per hue step corrections (V).
struct Body {
    int curve[kCurves][kCurvePoints];
    int step[kHueSteps][kStepBytes];
};

class Digest {
public:
    explicit Digest(uint8_t salt) { Add(&salt, 1); }
    void Add(const void* data, size_t size)
    {
        const auto* bytes = static_cast<const uint8_t*>(data);
        for (size_t i = 0; i < size; ++i) {
            hash = (hash ^ bytes[i]) * 0x100000001B3ull;
        }
    }
    void AddInt(int32_t value)
    {
        uint8_t le[4] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                         static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
        Add(le, sizeof le);
    }
    uint64_t Value() const { return hash; }

private:
    uint64_t hash = 0xCBF29CE484222325ull;
};

uint8_t Clamp(int value)
{
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

// The neutral body: straight tone curves, no hue or chroma change, the inks that make up each
// hue step.
Body Neutral()
{
    Body b{};
    for (auto& curve : b.curve) {
        for (int p = 0; p < kCurvePoints; ++p) {
            curve[p] = (p * 255 + (kCurvePoints - 1) / 2) / (kCurvePoints - 1);
        }
    }
    for (int h = 0; h < kHueSteps; ++h) {
        const double angle = h * 2.0 * 3.14159265358979323846 / kHueSteps;
        b.step[h][0] = kCentre;  // hue shift
        b.step[h][1] = kCentre;  // chroma
        b.step[h][2] = kCentre;  // lightness
        b.step[h][3] = static_cast<int>(std::lround(127.5 + 127.5 * std::cos(angle + 3.14159265358979323846)));
        b.step[h][4] = static_cast<int>(std::lround(127.5 + 127.5 * std::cos(angle - 2.0943951023931957)));
        b.step[h][5] = static_cast<int>(std::lround(127.5 + 127.5 * std::cos(angle + 2.0943951023931957)));
    }
    return b;
}

Body ColourBody(const ColourBlock& block)
{
    Body b = Neutral();
    for (int i = 0; i < kPatchCount; ++i) {
        // The module trusts the flags: a patch marked unchanged is taken at its default.
        if (IsFixedPatch(i) || block.changed[i] == 0) {
            continue;
        }
        const PatchDefault d = DefaultPatch(block.mode, i);
        const int dx = HueDistance(d.value.x, block.value[i].x);
        const int dy = static_cast<int>(std::clamp<int64_t>(int64_t{block.value[i].y} - d.value.y, -255, 255));
        const int channel = i % kCurves;
        const int centre = i * (kCurvePoints - 1) / (kPatchCount - 1);
        for (int p = 0; p < kCurvePoints; ++p) {
            const int weight = std::max(0, 8 - std::abs(p - centre));
            b.curve[channel][p] += dy * 3 * weight / 8;
        }
        for (int k = -2; k <= 2; ++k) {
            int* s = b.step[(d.value.x + k + kHueSteps) % kHueSteps];
            const int weight = 3 - std::abs(k);
            s[0] += dx * weight;
            s[1] += dy * weight;
            s[2] += dy * (i / 8 - 2);
        }
    }
    return b;
}

Body CoreBody(const CoreBlock& block)
{
    Body b = Neutral();
    int levelSum = 0;
    for (int32_t level : block.level) {
        levelSum += std::clamp(level, -1000, 1000);
    }
    for (int c = 0; c < kCurves; ++c) {
        const int gamma = std::clamp(block.gamma[c < 3 ? c : 0], 10, 1000);
        double exponent = gamma / 220.0;
        if (c == 3) {
            exponent *= 1.0 + levelSum / 600.0;
            exponent = std::max(exponent, 0.05);
        }
        for (int p = 0; p < kCurvePoints; ++p) {
            b.curve[c][p] = static_cast<int>(std::lround(255.0 * std::pow(p / double(kCurvePoints - 1), exponent)));
        }
    }
    // Black starts later in the higher modes.
    const int blackStart = ((block.mode % 8) + 8) % 8 * 2;
    for (int p = 0; p < blackStart; ++p) {
        b.curve[3][p] = 0;
    }
    const int64_t gammaMean = (int64_t{block.gamma[0]} + block.gamma[1] + block.gamma[2]) / 3;
    for (int h = 0; h < kHueSteps; ++h) {
        const int z = h / (kHueSteps / kZoneCount);
        const Zone& zone = block.zone[z];
        const int hue = zone.hueFromPrinter != 0 ? PrinterHue(z) : zone.hue;
        b.step[h][0] += std::clamp(hue, -127, 127);
        b.step[h][1] += std::clamp(block.level[z], -127, 127) - 25;
        b.step[h][2] += static_cast<int>(std::clamp<int64_t>((gammaMean - 220) / 4, -127, 127));
    }
    return b;
}

// Header, body (on top of the prior table when editing) and digest of one table.
void Write(uint8_t tag, uint8_t kind, int32_t mode, const int* body, const int* neutral, const uint8_t* prior,
           uint64_t digest, uint8_t* out)
{
    out[0] = tag;
    out[1] = kFormat;
    out[2] = kind;
    out[3] = static_cast<uint8_t>(mode);
    for (int k = 0; k < kBody; ++k) {
        const int value = prior ? prior[kHeader + k] + body[k] - neutral[k] : body[k];
        out[kHeader + k] = Clamp(value);
    }
    for (int i = 0; i < 8; ++i) {
        out[kDigestAt + i] = static_cast<uint8_t>(digest >> (8 * i));
    }
}

template <typename Inputs>
void MakeTables(uint8_t kind, int32_t mode, const Body& body, const Body& neutral, int flag, const uint8_t* priorT,
                const uint8_t* priorV, const Inputs& addInputs, uint8_t* t, uint8_t* v)
{
    uint8_t before[2][kTableSize];
    const bool editing = flag != 0;
    if (editing) {
        std::memcpy(before[0], priorT, kTableSize);
        std::memcpy(before[1], priorV, kTableSize);
    }
    uint64_t digests[2];
    const uint8_t salts[2] = {'T', 'V'};
    for (int i = 0; i < 2; ++i) {
        Digest d(salts[i]);
        d.Add(&kind, 1);
        d.AddInt(flag);
        addInputs(d);
        if (editing) {
            d.Add(before[0], kTableSize);
            d.Add(before[1], kTableSize);
        }
        digests[i] = d.Value();
    }
    Write('T', kind, mode, &body.curve[0][0], &neutral.curve[0][0], editing ? before[0] : nullptr, digests[0], t);
    Write('V', kind, mode, &body.step[0][0], &neutral.step[0][0], editing ? before[1] : nullptr, digests[1], v);
}

}  // namespace

void MakeColourTables(const ColourBlock& block, int flag, const uint8_t* priorT, const uint8_t* priorV,
                      uint8_t* t, uint8_t* v)
{
    ColourBlock neutralBlock{};
    neutralBlock.mode = block.mode;
    auto inputs = [&block](Digest& d) {
        d.AddInt(block.mode);
        for (const PatchValue& value : block.value) {
            d.AddInt(value.x);
            d.AddInt(value.y);
        }
        for (int32_t changed : block.changed) {
            d.AddInt(changed);
        }
    };
    MakeTables(kColourKind, block.mode, ColourBody(block), ColourBody(neutralBlock), flag, priorT, priorV, inputs,
               t, v);
}

void MakeCoreTables(const CoreBlock& block, int flag, const uint8_t* priorT, const uint8_t* priorV,
                    uint8_t* t, uint8_t* v)
{
    auto inputs = [&block](Digest& d) {
        d.AddInt(block.mode);
        for (int32_t gamma : block.gamma) {
            d.AddInt(gamma);
        }
        for (const Zone& zone : block.zone) {
            d.AddInt(zone.hue);
            d.AddInt(zone.hueFromPrinter);
        }
        for (int32_t level : block.level) {
            d.AddInt(level);
        }
    };
    MakeTables(kCoreKind, block.mode, CoreBody(block), CoreBody(DefaultCore(block.mode)), flag, priorT, priorV,
               inputs, t, v);
}

}  // namespace ccm
