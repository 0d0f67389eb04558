// user32 resources: strings, bitmaps and icons read from a module's resource section.
#include <algorithm>
#include <memory>

#include "AnsiCodePage.h"
#include "BitmapObject.h"
#include "DibImage.h"
#include "IconDirectory.h"
#include "IconObject.h"
#include "LastError.h"
#include "MachineState.h"
#include "ModuleResources.h"
#include "ResourceSection.h"
#include "platform/win32api.h"

namespace {

constexpr int kIconSize = 32;           // the system's icon size (SM_CXICON, SM_CYICON)
constexpr int kStringsPerBlock = 16;
constexpr uint16_t kFirstSystemIcon = 32512;  // IDI_APPLICATION ... IDI_SHIELD
constexpr uint16_t kLastSystemIcon = 32518;

// The resource of that type and name in the module, or null with the error Windows sets.
const ResourceEntry* FindEntry(MachineState& state, HMODULE module, const ResourceName& type,
                               const ResourceName& name, ResourceSection& section)
{
    uint32_t error = 0;
    if (!ModuleResources::Section(module, state.Modules(), section, error))
        return LastError::Fail(error, static_cast<const ResourceEntry*>(nullptr));
    const ResourceEntry* entry = section.Find(type, name, state.Machine().uiLanguage, error);
    if (!entry) return LastError::Fail(error, static_cast<const ResourceEntry*>(nullptr));
    return entry;
}

uint16_t Word(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

HANDLE AddObject(MachineState& state, std::unique_ptr<HandleObject> object)
{
    return state.GdiHandles().Add(std::move(object));
}

HANDLE LoadBitmapImage(MachineState& state, HINSTANCE instance, LPCSTR name, int cx, int cy)
{
    ResourceSection section;
    const ResourceEntry* entry = FindEntry(state, instance, ResourceName::FromArgument(RT_BITMAP), ResourceName::FromArgument(name), section);
    if (!entry) return nullptr;
    DibImage image;
    if (!DibImage::Decode(entry->data, entry->size, image)) return LastError::Fail(ERROR_INVALID_DATA, HANDLE{nullptr});
    image = image.Stretched(cx > 0 ? cx : image.Width(), cy > 0 ? cy : image.Height());
    return AddObject(state, std::make_unique<BitmapObject>(std::move(image), 32));
}

// The generic application icon stands for every system icon (a null module).
HANDLE SystemIcon(MachineState& state, LPCSTR name, int cx, int cy)
{
    const uintptr_t id = reinterpret_cast<uintptr_t>(name);
    if (!IS_INTRESOURCE(name) || id < kFirstSystemIcon || id > kLastSystemIcon)
        return LastError::Fail(ERROR_RESOURCE_TYPE_NOT_FOUND, HANDLE{nullptr});
    const int width = cx > 0 ? cx : kIconSize;
    const int height = cy > 0 ? cy : kIconSize;
    DibImage color(width, height, 0x00FFFFFFu);
    for (int x = 0; x < width; ++x) color.SetPixel(x, 0, 0), color.SetPixel(x, height - 1, 0);
    for (int y = 0; y < height; ++y) color.SetPixel(0, y, 0), color.SetPixel(width - 1, y, 0);
    return AddObject(state, std::make_unique<IconObject>(std::move(color), DibImage(width, height, 0), true));
}

HANDLE LoadIconImage(MachineState& state, HINSTANCE instance, LPCSTR name, int cx, int cy, UINT flags)
{
    if (!instance) return SystemIcon(state, name, cx, cy);
    ResourceSection section;
    const ResourceName iconName = ResourceName::FromArgument(name);
    const ResourceEntry* group = FindEntry(state, instance, ResourceName::FromArgument(RT_GROUP_ICON), iconName, section);
    if (!group) {
        // Windows looks for an animated icon next, and reports what that search found.
        if (!FindEntry(state, instance, ResourceName::FromArgument(RT_ANIICON), iconName, section)) return nullptr;
        return LastError::Fail(ERROR_NOT_SUPPORTED, HANDLE{nullptr});
    }
    IconDirectory directory;
    if (!IconDirectory::Parse(group->data, group->size, directory)) return LastError::Fail(ERROR_INVALID_DATA, HANDLE{nullptr});
    const IconDirectory::Image* best = directory.Best(cx > 0 ? cx : kIconSize, cy > 0 ? cy : kIconSize);
    const ResourceEntry* picture = FindEntry(state, instance, ResourceName::FromArgument(RT_ICON), ResourceName::Id(best->id), section);
    if (!picture) return nullptr;
    DibImage color;
    DibImage mask;
    // PNG-compressed images (large icons) are not read.
    if (!DibImage::DecodeIcon(picture->data, picture->size, color, mask))
        return LastError::Fail(ERROR_INVALID_DATA, HANDLE{nullptr});
    const bool systemSize = (flags & LR_DEFAULTSIZE) != 0;
    const int width = cx > 0 ? cx : systemSize ? kIconSize : color.Width();
    const int height = cy > 0 ? cy : systemSize ? kIconSize : color.Height();
    return AddObject(state, std::make_unique<IconObject>(color.Stretched(width, height), mask.Stretched(width, height)));
}

}  // namespace

extern "C" int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (bufferMax == 0) return -1;  // as Wine answers; only the wide form hands out a pointer
    if (!buffer || bufferMax < 0) return LastError::Fail(ERROR_INVALID_PARAMETER, 0);
    int copied = 0;
    ResourceSection section;
    const uint16_t block = static_cast<uint16_t>(((id & 0xFFFF) >> 4) + 1);
    if (const ResourceEntry* entry = FindEntry(state, instance, ResourceName::FromArgument(RT_STRING), ResourceName::Id(block), section)) {
        // Sixteen counted UTF-16 strings; a block cut short holds empty strings from there on.
        const uint8_t* p = entry->data;
        size_t left = entry->size;
        for (unsigned index = 0; index <= (id & (kStringsPerBlock - 1)) && left >= 2; ++index) {
            const size_t count = Word(p);
            const size_t available = std::min(count, (left - 2) / 2);
            if (index == (id & (kStringsPerBlock - 1))) {
                const size_t take = std::min(available, static_cast<size_t>(bufferMax - 1));
                for (size_t i = 0; i < take; ++i) buffer[i] = AnsiCodePage::FromUtf16(Word(p + 2 + 2 * i));
                copied = static_cast<int>(take);
                break;
            }
            if (count != available) break;
            p += 2 + 2 * count;
            left -= 2 + 2 * count;
        }
    }
    buffer[copied] = '\0';
    return copied;
}

extern "C" HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!name) return LastError::Fail(ERROR_INVALID_PARAMETER, HANDLE{nullptr});
    if (flags & LR_LOADFROMFILE) return LastError::Fail(ERROR_NOT_SUPPORTED, HANDLE{nullptr});
    switch (type) {
        case IMAGE_BITMAP:
            if (!instance) return LastError::Fail(ERROR_RESOURCE_TYPE_NOT_FOUND, HANDLE{nullptr});
            return LoadBitmapImage(state, instance, name, cx, cy);
        case IMAGE_ICON:
            return LoadIconImage(state, instance, name, cx, cy, flags);
        default:
            return LastError::Fail(ERROR_NOT_SUPPORTED, HANDLE{nullptr});
    }
}

extern "C" HICON LoadIconA(HINSTANCE instance, LPCSTR name)
{
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, kIconSize, kIconSize, LR_DEFAULTSIZE));
}

extern "C" BOOL GetIconInfo(HICON icon, PICONINFO info)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    const IconObject* object = state.GdiHandles().Get<IconObject>(icon);
    if (!object) return LastError::Fail(ERROR_INVALID_CURSOR_HANDLE, FALSE);
    if (!info) return LastError::Fail(ERROR_INVALID_PARAMETER, FALSE);
    info->fIcon = TRUE;
    info->xHotspot = static_cast<DWORD>(object->Color().Width() / 2);
    info->yHotspot = static_cast<DWORD>(object->Color().Height() / 2);
    info->hbmColor = static_cast<HBITMAP>(AddObject(state, std::make_unique<BitmapObject>(object->Color(), 32)));
    info->hbmMask = static_cast<HBITMAP>(AddObject(state, std::make_unique<BitmapObject>(object->Mask(), 1)));
    return TRUE;
}

extern "C" BOOL DestroyIcon(HICON icon)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!state.GdiHandles().Get<IconObject>(icon)) return LastError::Fail(ERROR_INVALID_CURSOR_HANDLE, FALSE);
    state.GdiHandles().Close(icon);
    return TRUE;
}
