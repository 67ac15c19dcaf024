// Every text the splash and about window shows, in one place.
#pragma once

namespace ragozo::window::texts {

inline constexpr const char* kSplashCaption = "Igeragozó";
inline constexpr const char* kTitleLine = "Igeragozó";
inline constexpr const char* kAuthorLine = "Magyar igék ragozása számítógéppel";
inline constexpr const char* kPlaceAndYear = "Az Igeragozó fejlesztői, 2026";
inline constexpr const char* kMakerLine = "Igeragozó projekt";
inline constexpr const char* kCorrectedEdition = "(Javított változat)";
inline constexpr const char* kMoreInformation = "Ha többet szeretne tudni a programról, kattintson ide:";
inline constexpr const char* kOk = "&OK";

inline constexpr const char* kInformationTitle = "Igeragozó – Magyar igeragozó program";
// Its lines are kept short (56 characters at most) so that the message box
// shows them as broken here, without wrapping a line of its own.
inline constexpr const char* kInformationText =
    "Az Igeragozó a magyar igék ragozott alakjait mutatja:\r\n"
    "a kijelentő mód jelen és múlt idejét, a feltételes\r\n"
    "és a felszólító módot, alanyi és tárgyas ragozásban,\r\n"
    "valamint nyolc igenevet és képzett alakot.\r\n"
    "\r\n"
    "A program szabadon használható és továbbadható;\r\n"
    "a megjelenített alakokért felelősséget nem vállalunk.\r\n"
    "Futásához a Qt 6 könyvtárai szükségesek.\r\n"
    "\r\n"
    "Észrevételeit, javaslatait szívesen fogadjuk:\r\n"
    "\r\n"
    "      Igeragozó projekt\r\n"
    "      a projekt hibajegyei között\r\n"
    "      a projekt tárolójában\r\n"
    "      a fejlesztők levelezőlistáján";

}  // namespace ragozo::window::texts
