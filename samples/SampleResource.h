#pragma once
// The "Amberline" sample skin built into the designer (drawn at build time by samples/make_sample).
// The resource registers itself when the program starts; InitSampleResources() registers it explicitly
// for programs that link the library in a way that drops that start-up code, and may be called any
// number of times.

// The Qt resource path of the sample package, and the name it is opened under (the package's
// configuration entry is named after it).
inline constexpr const char* kSampleResourcePath = ":/samples/Amberline.rss";
inline constexpr const char* kSamplePackageName = "Amberline.rss";

void InitSampleResources();
