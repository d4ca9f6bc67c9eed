#pragma once

#include <QImage>
#include <QString>

// The program's pictures, under the numbers every language set uses for them. Each is a PNG
// file of resources/pictures/ compiled into the program as :/pictures/picture-<number>.png.
enum class PictureId : int {
    StateOn = 167,          // a green check mark: pause or always-on-top is on
    StateOff = 168,         // a red cross: it is off
    About = 174,            // a small figure
    ChooseLibrary = 175,    // a row of books
    Exit = 177,             // a door with an arrow
    Help = 178,             // a book with a question mark
    AddToNewWordBook = 181, // two folders with an arrow between them
    Settings = 184,         // a small machine on a yellow base
    MenuStrip = 185,        // the context menu's strip: "Lexado" on a blue gradient, 24 x 284
    SaveProgress = 189,     // a floppy disk
    LoadProgress = 190,     // an open folder with a sheet
    ReadAgain = 195,        // a loudspeaker
    LibraryManager = 196,   // a pile of cards
    ClearNewWordBook = 197, // a recycle bin
    PreviousGroup = 222,    // an upward arrow in a diamond
    NextGroup = 223,        // a downward arrow in a diamond
    Find = 224,             // a torch
    DeleteWord = 234,       // flames
    Splash = 236,           // the start-up picture, 297 x 220 in 256 colours
    Language = 237,         // a globe
    RateKnown = 238,        // a card with a green check mark
    RateAgain = 239,        // a card with a red question mark
    Statistics = 240,       // a bar chart
    // The settings sheet's tab pictures, 39 x 13: a red square, a green circle and a blue
    // triangle on white, 13 pixels wide each.
    SettingsTabs = 193,
};

inline QString PicturePath(PictureId id) {
    return QStringLiteral(":/pictures/picture-%1.png").arg(static_cast<int>(id));
}

inline QImage Picture(PictureId id) {
    return QImage(PicturePath(id));
}
