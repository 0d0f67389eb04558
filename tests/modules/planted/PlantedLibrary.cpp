#include "modules/planted/PlantedRecord.h"

namespace {

// Runs when the library is loaded, whatever name its file carries.
struct LoadRecorder {
    LoadRecorder() { planted::RecordLoading(); }
} recorder;

}  // namespace
