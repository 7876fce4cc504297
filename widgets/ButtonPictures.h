#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the owner-drawn buttons, named after the button's caption
// with a state: up, down (pressed), focus and disabled. The log buttons
// ("Play", "Paus", "Record Log File", "Insert Comments", "Stop") draw a
// symbol and have two phases, so a running function can blink.
enum class PictureState { Up, Down, Focus, Disabled };

QPixmap ButtonPicture(const QString& caption, PictureState state, QSize size, int phase = 0);

// The letter a picture's resource name ends with: U, D, F or X.
char PictureSuffix(PictureState state);

// The program's icon, drawn at the given side length.
QPixmap ApplicationPicture(int side);
