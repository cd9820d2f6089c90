#pragma once

// Help context numbers. A window names its help topic with SetHelpContext
// (helpwindow.h); the help index (SystemFiles/Help/index.txt, section
// [Topics]) maps each number to the page that explains it. Numbers are
// grouped by menu: 1xx File, 2xx Edit, 3xx Insert, 4xx Format, 5xx Options,
// 6xx Window, 7xx Help.

namespace tavorin::HelpTopic {

inline constexpr int Contents = 1;
inline constexpr int StartUp = 10;       // main window, tool bars, status bar
inline constexpr int SmartFields = 20;

inline constexpr int FileCommands = 100;
inline constexpr int WebPageWizard = 110;
inline constexpr int FramesWizard = 120;
inline constexpr int Printing = 130;
inline constexpr int ViewInBrowser = 140;

inline constexpr int EditCommands = 200;
inline constexpr int FindReplace = 210;

inline constexpr int InsertCommands = 300;
inline constexpr int OneFieldPrompt = 310;
inline constexpr int EmbeddedImage = 320;
inline constexpr int HorizontalRule = 330;
inline constexpr int PageSound = 340;
inline constexpr int TimerAutoLoad = 350;
inline constexpr int SearchEngineLinks = 360;
inline constexpr int PageStructure = 370;
inline constexpr int PageColours = 380;
inline constexpr int PageTextSize = 390;
inline constexpr int SpecialCharacter = 311;
inline constexpr int EMailLink = 312;
inline constexpr int PreDefined = 313;
inline constexpr int JavaScript = 314;
inline constexpr int MetaTags = 315;
inline constexpr int UserInfo = 316;

inline constexpr int FormatCommands = 400;
inline constexpr int Link = 410;
inline constexpr int Anchor = 411;
inline constexpr int Comment = 412;
inline constexpr int PageTitle = 413;
inline constexpr int TableCaption = 421;
inline constexpr int Table = 420;
inline constexpr int QuickTable = 425;
inline constexpr int Frames = 430;
inline constexpr int TextAppearance = 440;

inline constexpr int Options = 500;
inline constexpr int Preferences = 510;
inline constexpr int LocationDialog = 520;
inline constexpr int FontCollection = 530;

inline constexpr int WindowCommands = 600;

inline constexpr int HelpCommands = 700;
inline constexpr int ReferenceGuides = 710;

} // namespace tavorin::HelpTopic
