#pragma once

// Alphabet mode: binds each key of the alphabet keyboard (Label2 … Label35) to its letter lesson.
void bindAlphabetMode();
