// The ids of every string, dialog template, control, bitmap and icon of the utility. Included
// by the code, by the resource scripts (the resource compiler reads it through the C
// preprocessor, so these headers hold plain #defines only) and by the tests.
#ifndef TAVREL_RESOURCES_RESOURCE_H
#define TAVREL_RESOURCES_RESOURCE_H

#include "resources/StringIds.h"
#include "resources/TemplateIds.h"
#include "resources/ControlIds.h"
#include "resources/PictureIds.h"

#endif
