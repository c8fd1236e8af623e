#pragma once
// The "Amberline" sample skin for the benchmarks, opened from the resource built into them; a build without
// it, or a sample that does not open, ends the run with a message rather than measuring nothing.

#include <QByteArray>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"
#include "SampleResource.h"

inline std::unique_ptr<CSkinDocument> OpenSampleSkin() {
    InitSampleResources();
    QFile file(QString::fromLatin1(kSampleResourcePath));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the sample skin is not part of this build\n");
        std::exit(1);
    }
    const QByteArray bytes = file.readAll();
    auto doc = std::make_unique<CSkinDocument>();
    if (doc->OpenFromMemory(kSamplePackageName, "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                            size_t(bytes.size())) != vd::OpenResult::Ok || doc->Frames().Count() == 0) {
        std::fprintf(stderr, "the sample skin does not open or has no frame\n");
        std::exit(1);
    }
    return doc;
}
