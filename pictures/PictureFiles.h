#pragma once

// Resource paths of the JPEG pictures of the window; decode them with loadJpegResource().
// The files are made by tools/make_pictures and committed in pictures/jpeg/.

// Image41: the right half of the start screen, 521 x 657.
inline constexpr char kStartScreenPicture[] = ":/pictures/start_screen.jpg";
// Image38: the plain light-blue background of the left work area, 685 x 681.
inline constexpr char kWorkAreaPicture[] = ":/pictures/work_area.jpg";
// The pale-yellow cell of all 33 word and letter slots, 67 x 101.
inline constexpr char kSlotPicture[] = ":/pictures/slot.jpg";
// Image40: the pale-yellow slot eraser, 96 x 121.
inline constexpr char kSlotEraserPicture[] = ":/pictures/slot_eraser.jpg";
// Image31: the illustration on the author panel, 350 x 503.
inline constexpr char kAuthorPicture[] = ":/pictures/author.jpg";
