#pragma once

// The letters of Function mode: the 33 template keys of Panel5 and the 14 example letters of the
// menu "Пример букв".
namespace functionletters {

void bind();

}  // namespace functionletters
