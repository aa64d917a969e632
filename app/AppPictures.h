#pragma once

#include "WindowDescription.h"

// The pictures of the window description by key: the JPEG files, and the pictures the program
// paints at start.
PictureSource appPictures();
