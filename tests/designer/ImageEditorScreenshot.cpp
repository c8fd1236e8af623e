// Renders the Skin Image Editor on the sample skin's frame picture at 400 % with a selection, its margin
// guides and the live preview. Always checks that the editor renders; with VORNADESK_SCREENSHOT set to a
// file name it also saves the picture there:
//   VORNADESK_SCREENSHOT=docs/screenshot-image-editor.png QT_QPA_PLATFORM=offscreen
//       build/vornadesk_designer_tests --gtest_filter=ImageEditorScreenshot.*   (one command line)

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListWidget>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "designer/SkinSession.h"
#include "SampleResource.h"
#include "ScriptedDialogs.h"
#include "designer/dialogs/ImageBrowser.h"
#include "designer/dialogs/ImageCanvas.h"
#include "designer/dialogs/SelectionClipboard.h"
#include "designer/dialogs/SlicePreview.h"
#include "designer/pages/PictureProperty.h"

namespace {

TEST(ImageEditorScreenshot, SampleFrameAt400Percent) {
    InitSampleResources();
    QFile file(QString::fromLatin1(kSampleResourcePath));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    auto doc = std::make_unique<CSkinDocument>();
    ASSERT_EQ(doc->OpenFromMemory(kSamplePackageName, "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                                  static_cast<size_t>(bytes.size())),
              vd::OpenResult::Ok);
    SkinSession session;
    session.Replace(std::move(doc));
    ASSERT_GT(session.Document().Frames().Count(), 0u);
    // The active caption of the sample frame: a real nine-slice reference.
    const SkinFrame& frame = *session.Document().Frames().At(0);
    const RecordSchema<SkinFrame>::Field* caption = CResFrame::Table().Find("ActiveTop");
    SkinImageBase image;
    if (caption && caption->type == FieldType::Image) image = caption->Ref<SkinImageBase>(frame);
    if (image.name.empty()) {
        image.name = session.Document().Pictures().At(0)->name;
        image.right = 40, image.bottom = 30, image.leftWidth = image.rightWidth = 8;
    }

    ScriptedDialogs dialogs;
    CSelectionClipboard clipboard;
    CImageBrowser editor(session, dialogs, clipboard);
    editor.resize(1180, 720);
    editor.SetImage(image);
    editor.show();
    QApplication::processEvents();
    editor.SetZoom(400);
    editor.Preview()->SetTargetSize(QSize(220, 60));
    QApplication::processEvents();
    ASSERT_NE(editor.Canvas()->PicturePage(), nullptr) << image.name;

    ASSERT_NE(editor.Preview()->Image().image, nullptr);
    const QImage preview = editor.Preview()->Render();
    const QRect drawn = editor.Preview()->TargetRect();
    EXPECT_NE(preview.pixelColor(drawn.center()), QColor(255, 255, 255)) << "the preview draws the picture";
    const QImage shot = editor.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), editor.size() * editor.devicePixelRatio());
    // The canvas shows the red selection somewhere.
    const QImage canvas = editor.Canvas()->Render();
    bool red = false;
    for (int y = 0; y < canvas.height() && !red; ++y)
        for (int x = 0; x < canvas.width() && !red; ++x) red = canvas.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
    const QByteArray target = qgetenv("VORNADESK_SCREENSHOT");
    if (!target.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(target)));
    }
}

}  // namespace
