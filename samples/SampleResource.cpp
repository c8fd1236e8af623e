#include "SampleResource.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; the resource is named after vornadesk_sample.qrc.
static void InitVornadeskSample() { Q_INIT_RESOURCE(vornadesk_sample); }

void InitSampleResources() { InitVornadeskSample(); }
