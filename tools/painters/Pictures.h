#pragma once

// Painters of the program's JPEG pictures, each at the size the window shows it.

#include <QColor>
#include <QImage>

namespace painters {

QImage paintStartScreenPicture();  // Image41, 521 x 657
QImage paintWorkAreaPicture();     // Image38, 685 x 681
QImage paintSlotPicture();         // the word and letter slots, 67 x 101
QImage paintSlotEraserPicture();   // Image40, 96 x 121
QImage paintAuthorPicture();       // Image31, 350 x 503, shown squeezed into 203 x 241

// The desk colour around the start-screen sheet: the window's own background.
inline const QColor kDeskColour{215, 228, 242};
// The pale yellow of the slots and of the slot eraser.
inline const QColor kSlotPaper{255, 250, 222};

struct PictureJob {
    const char* fileName;  // inside pictures/jpeg/
    QImage (*paint)();
};
inline constexpr PictureJob kPictureJobs[] = {
    {"start_screen.jpg", paintStartScreenPicture},
    {"work_area.jpg", paintWorkAreaPicture},
    {"slot.jpg", paintSlotPicture},
    {"slot_eraser.jpg", paintSlotEraserPicture},
    {"author.jpg", paintAuthorPicture},
};

}  // namespace painters
