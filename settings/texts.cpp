#include "settings/texts.h"

#include <cstddef>

#include "settings/ui_language.h"

namespace {

struct TextPair {
    TextId id;
    const wchar_t* english;
    const wchar_t* german;
};

// The help window's user guide.
constexpr wchar_t kHelpTextEnglish[] =
    L"LUMISTRAND - USER GUIDE\r\n"
    L"\r\n"
    L"Lumistrand changes the real hardware settings of your monitors instead of filtering the picture. "
    L"External monitors are reached over DDC/CI, through the monitor cable: brightness, contrast, the "
    L"red, green and blue gains, colour temperature, input source, the monitor's own picture presets, its "
    L"built-in speaker, its power state and the factory reset. The panel of a laptop is dimmed through "
    L"Windows. Beside the monitors Lumistrand sets the volume of the default audio device and the colour "
    L"saturation kept by an NVIDIA or AMD graphics driver. DDC/CI must be switched on in the monitor's "
    L"own menu; some monitors call it differently or have it on by default.\r\n"
    L"\r\n"
    L"THE ICONS\r\n"
    L"\r\n"
    L"Lumistrand lives in the notification area of the taskbar. Every monitor can show up to five icons, "
    L"each of which draws its current value as a number:\r\n"
    L"\tbrightness\r\n"
    L"\tcontrast\r\n"
    L"\tbrightness and contrast combined\r\n"
    L"\tthe monitor's speaker volume\r\n"
    L"\tthe colour saturation of the graphics driver\r\n"
    L"One more icon shows the volume of the default audio device. Which icons appear is chosen per "
    L"monitor in the settings.\r\n"
    L"\tLeft click  -  opens the control panel for the icon's monitor\r\n"
    L"\tRight click  -  opens the menu\r\n"
    L"\tMouse wheel  -  changes the icon's value by the step set in the settings\r\n"
    L"\tMiddle button  -  toggles between two values set in the settings\r\n"
    L"The tooltip of an icon names its monitor and shows its values. Windows may put new icons into the "
    L"hidden part of the notification area; drag them onto the visible taskbar once. After an update to a "
    L"new version Windows forgets where they were, and Lumistrand warns once when it finds one of its "
    L"icons hidden.\r\n"
    L"\r\n"
    L"THE MENU\r\n"
    L"\r\n"
    L"\tLumistrand  -  shows the control panel\r\n"
    L"\tSettings...  -  opens the settings\r\n"
    L"\tEntry...  -  opens the settings on the page of your own menu entries\r\n"
    L"\tTurn off monitors  -  lets Windows switch all monitors off until the mouse or keyboard is used\r\n"
    L"\tRescan monitors  -  restarts Lumistrand, which finds the monitors again\r\n"
    L"\tVCP-codes  -  lists every code of the selected monitor with its value\r\n"
    L"\tCheck for Update  -  asks the home page for a newer version\r\n"
    L"\tHelp  -  this window (F1 in the control panel)\r\n"
    L"\tUninstall program  -  removes Lumistrand\r\n"
    L"\tTerminate program  -  ends Lumistrand after asking\r\n"
    L"Entries that you create in the settings appear in this menu too; each runs its command line.\r\n"
    L"\r\n"
    L"THE CONTROL PANEL\r\n"
    L"\r\n"
    L"A click on an icon opens the control panel next to it. At the top a list shows every monitor with "
    L"its brightness, contrast and colour gains. A click on a line selects that monitor; a right click on "
    L"a line lets you rename the monitor, dim it after a period of inactivity, ignore a device that is no "
    L"monitor, or look at its VCP codes. The check box of a line shows whether the monitor is powered on. "
    L"Clicking it powers the monitor off or on over its cable, but only while Ctrl and Shift are held, "
    L"because a monitor powered off this way can only be woken by its own power button; the first time, a "
    L"window explains this and offers to drop the need for the two keys.\r\n"
    L"Below the list are sliders and step buttons (0, 5, ... 100) for the brightness and contrast of the "
    L"selected monitor and for the system volume. The button \"colors, audio, input\" shows a further "
    L"column with the red, green and blue gains, the monitor's speaker and the saturation, choice lists "
    L"for colour temperature, input source and picture preset, and the buttons \"Reset Monitor\", \"Power "
    L"Off/On\" and \"Rotate Display\". Red, green and blue usually work only when the monitor's colour "
    L"preset is \"User\". \"Turn off\" switches all monitors off, \"Rescan\" looks for monitors again, "
    L"\"V-Slider\" shows the volume column, \"V-Icon\" the volume icon and \"mute\" silences the audio "
    L"device. The button \"...\" opens the settings, \"x\" or Escape hides the panel. The panel can be "
    L"dragged by any empty spot.\r\n"
    L"\r\n"
    L"THE COMMAND LANGUAGE\r\n"
    L"\r\n"
    L"Everything Lumistrand changes can be written as a command line. Command lines are accepted\r\n"
    L"\ton the command line of Lumistrand.exe itself,\r\n"
    L"\tfrom a second start while Lumistrand runs (the line is handed to the running program),\r\n"
    L"\tfrom hotkeys, mouse-wheel combinations and your own menu entries,\r\n"
    L"\tfrom eight timed lines a day and from lines bound to programs that run in full screen.\r\n"
    L"Letters may be written in upper or lower case. A line holds at most 259 characters.\r\n"
    L"\r\n"
    L"Commands act on the selected monitor:\r\n"
    L"\tb 50  -  brightness 50 (0 to 100)\r\n"
    L"\tb + 10  -  brightness 10 higher, at most 100\r\n"
    L"\tb - 10  -  brightness 10 lower, at least 0\r\n"
    L"\tc 70  -  contrast (0 to 100)\r\n"
    L"\tr 128, g 128, l 128  -  red, green and blue gain (0 to 255); i and bl also mean blue\r\n"
    L"\to 20  -  volume of the monitor's own speaker (0 to 100)\r\n"
    L"\tk 60  -  colour saturation of the graphics driver (0 to 100)\r\n"
    L"\tp 6500k  -  colour temperature by name or number\r\n"
    L"\ts hdmi  -  input source by name or number, for example s dvi, s 15\r\n"
    L"\tj movie  -  the monitor's own picture preset by name or number\r\n"
    L"\tf  -  factory reset of the monitor\r\n"
    L"\tx  -  powers the named monitor off or on; without a monitor name all monitors are switched off by "
    L"Windows\r\n"
    L"\tw  -  rotates the display of the monitor by 90 degrees clockwise\r\n"
    L"\tn 1, n 0  -  dimming after inactivity on or off for the monitor\r\n"
    L"\ty 1, y 0  -  brightness transfer from the source monitor on or off\r\n"
    L"\tv 30  -  volume of the default audio device in percent; v + 5 and v - 5 step it\r\n"
    L"\tm, u  -  mute and unmute the audio device\r\n"
    L"\t?  -  a notification with the current brightness, contrast and volume\r\n"
    L"\t;  -  waits 0.1 second\r\n"
    L"\t,  -  waits 1 second\r\n"
    L"\tq  -  ends Lumistrand without asking\r\n"
    L"\tz  -  restarts Lumistrand\r\n"
    L"A value outside the range is ignored; + and - stop at the limits. A value that does not change is "
    L"not sent again.\r\n"
    L"\r\n"
    L"Choosing the monitor: a number from 1 to 9 selects that line of the monitor list (0 means the "
    L"first). Any longer word selects the first monitor whose listed name, serial number, model or "
    L"Windows device name (such as DISPLAY2) contains it, so a few letters are enough, for example dell "
    L"or hp. Put a name with blanks in quotes: \"HP w2207\". The chosen monitor stays selected after the "
    L"line. If no monitor matches, or the number has no line, the rest of the line is ignored; that is "
    L"also why a misspelt command of two letters stops the line.\r\n"
    L"Examples:\r\n"
    L"\tb 40 c 60  -  brightness 40 and contrast 60 on the selected monitor\r\n"
    L"\t2 b 70  -  brightness 70 on the second monitor\r\n"
    L"\tdell b 30 hp c 40  -  brightness of the Dell, contrast of the HP\r\n"
    L"\t1 b 0 , 1 b 100  -  dark, one second later bright\r\n"
    L"\tb 50 # text  -  everything after # is a comment\r\n"
    L"\r\n"
    L"Toggles: t switches between two alternatives each time the same line runs. t b 0 c 0 t b 90 c 80 "
    L"sets 0 and 0 the first time, 90 and 80 the next time, and so on. The states are saved with the "
    L"settings.\r\n"
    L"\r\n"
    L"Any VCP code: setVCP 0x10 50 writes 50 to code 0x10 (the 0x may be left out); setVCP 0x10 + 10 "
    L"reads the value first and adds 10. getVCP 0x12 reads a code and shows its current and maximum value "
    L"in a message box. Codes that need a data block are refused with a message.\r\n"
    L"\r\n"
    L"Exit codes: a second start ends with the result of the running program as its exit code, so scripts "
    L"can read values:\r\n"
    L"\tLumistrand.exe d  -  exits with the brightness of the selected monitor\r\n"
    L"\tLumistrand.exe 2 e  -  exits with the contrast of the second monitor\r\n"
    L"\tLumistrand.exe get_VCP 0x62  -  exits with the value read from the monitor, without a message box\r\n"
    L"If the monitor does not answer, a failed get_VCP exits with -1. In a batch file the code is in "
    L"%ERRORLEVEL%.\r\n"
    L"\r\n"
    L"Programs: a line that begins with ! is not a command but is run as a program through a batch file, "
    L"for example !notepad.exe.\r\n"
    L"\r\n"
    L"THE SETTINGS\r\n"
    L"\r\n"
    L"The settings window has six pages; \"Help\" opens this text, \"Default settings\" returns to the "
    L"built-in settings, \"OK\" closes.\r\n"
    L"General settings: the icons of each monitor and the volume icon; start with Windows; the same "
    L"values for all monitors; the same laptop brightness on battery and plugged in; notifications after "
    L"a change; the language; the monitor under the mouse pointer as target of commands; icon tooltips; "
    L"smoothing, colours and fonts of the icons and sliders; where the settings are saved; reread, save, "
    L"verify and restore values; the log file of all monitor operations; the update check (daily, weekly, "
    L"never); and AutoClose, which hides the control panel when another window becomes active.\r\n"
    L"Mouse: use the mouse wheel with a key combination for your own command lines, its repeat delay, the "
    L"two values of the middle button and the wheel steps of every icon.\r\n"
    L"Hot keys: fifteen key combinations, each with a command line, and their repeat delay. Hot keys "
    L"never act while this page is shown.\r\n"
    L"Menu entries: fifteen entries of the icon menu, each with a comment and a command line; \"Hide\" "
    L"leaves the command line out of the menu text.\r\n"
    L"Timer, Transfer, Limits: eight daily times with a command line each, for example b 20 c 30 in the "
    L"evening and b 80 c 70 in the morning; the latest time that has passed runs once a day, also after a "
    L"start later in the day. The brightness transfer copies the brightness of a source monitor to a "
    L"destination monitor with an offset and multipliers per range. The limits keep brightness and "
    L"contrast of a monitor between a minimum and a maximum.\r\n"
    L"Auto-Run commands: pick running programs; while one of them is in the foreground (in full screen "
    L"only, if you wish) its command line runs, and when it leaves the previous brightness, contrast, "
    L"saturation, preset and colours return.\r\n"
    L"\r\n"
    L"Settings are saved in Lumistrand.xml beside the program and in a copy in your profile (the folder "
    L"Lumistrand in the roaming application data). The log file is written there too unless you choose "
    L"another place.\r\n"
    L"\r\n"
    L"DIMMING AND THE LAPTOP PANEL\r\n"
    L"\r\n"
    L"The menu of a line in the monitor list offers \"Dim monitor after certain period of inactivity\": "
    L"after the chosen minutes without mouse or keyboard input the monitor takes the brightness you set "
    L"there, and the first input brings back the brightness it had before. The same window renames the "
    L"monitor; the new name appears in the list, in the tooltips and can be used in command lines. The "
    L"command n 1 or n 0 switches the dimming of a monitor on or off from a hotkey or a timed line.\r\n"
    L"The internal panel of a laptop appears in the list like a monitor. Its brightness follows the "
    L"levels the panel offers, it has no contrast and no colours, and Lumistrand follows changes made "
    L"with the laptop's own keys.\r\n"
    L"\r\n"
    L"TIPS\r\n"
    L"\r\n"
    L"If a monitor does not react, switch on DDC/CI in its menu and use \"Rescan monitors\". Some "
    L"monitors react slowly; \"Verify values\" reads every value back. A monitor connected through a "
    L"dock, a splitter or an AV receiver may not pass DDC/CI on; such a device can be ignored from its "
    L"line's menu, which saves time at every scan. \"Save values\" makes the monitor keep a value after "
    L"being switched off.";

constexpr wchar_t kHelpTextGerman[] =
    L"LUMISTRAND - ANLEITUNG\r\n"
    L"\r\n"
    L"Lumistrand \u00E4ndert die echten Einstellungen Ihrer Monitore, statt das Bild nur zu filtern. "
    L"Externe Monitore werden \u00FCber DDC/CI durch das Monitorkabel erreicht: Helligkeit, Kontrast, die "
    L"Verst\u00E4rkung von Rot, Gr\u00FCn und Blau, Farbtemperatur, Eingang, die eigenen "
    L"Bildvoreinstellungen des Monitors, sein eingebauter Lautsprecher, sein Ein/Aus-Zustand und das "
    L"Zur\u00FCcksetzen auf Werkseinstellungen. Das Display eines Laptops wird \u00FCber Windows gedimmt. "
    L"Au\u00DFerdem stellt Lumistrand die Lautst\u00E4rke des Standard-Audioger\u00E4ts ein und die "
    L"Farbs\u00E4ttigung, die ein NVIDIA- oder AMD-Grafiktreiber verwaltet. DDC/CI muss im Men\u00FC des "
    L"Monitors eingeschaltet sein; manche Monitore nennen es anders oder haben es von Haus aus an.\r\n"
    L"\r\n"
    L"DIE SYMBOLE\r\n"
    L"\r\n"
    L"Lumistrand wohnt im Infobereich der Taskleiste. Jeder Monitor kann bis zu f\u00FCnf Symbole zeigen, "
    L"die ihren aktuellen Wert als Zahl zeichnen:\r\n"
    L"\tHelligkeit\r\n"
    L"\tKontrast\r\n"
    L"\tHelligkeit und Kontrast zusammen\r\n"
    L"\tLautst\u00E4rke des Monitor-Lautsprechers\r\n"
    L"\tFarbs\u00E4ttigung des Grafiktreibers\r\n"
    L"Ein weiteres Symbol zeigt die Lautst\u00E4rke des Standard-Audioger\u00E4ts. Welche Symbole "
    L"erscheinen, wird je Monitor in den Einstellungen gew\u00E4hlt.\r\n"
    L"\tLinksklick  -  \u00F6ffnet das Bedienfeld f\u00FCr den Monitor des Symbols\r\n"
    L"\tRechtsklick  -  \u00F6ffnet das Men\u00FC\r\n"
    L"\tMausrad  -  \u00E4ndert den Wert des Symbols um die Schrittweite aus den Einstellungen\r\n"
    L"\tMittlere Taste  -  wechselt zwischen zwei Werten aus den Einstellungen\r\n"
    L"Der Tooltip eines Symbols nennt seinen Monitor und zeigt seine Werte. Windows legt neue Symbole "
    L"gern in den ausgeblendeten Teil des Infobereichs; ziehen Sie sie einmal auf die sichtbare "
    L"Taskleiste. Nach dem Aktualisieren auf eine neue Version vergisst Windows ihre Pl\u00E4tze, und "
    L"Lumistrand warnt einmal, wenn es eines seiner Symbole versteckt findet.\r\n"
    L"\r\n"
    L"DAS MEN\u00DC\r\n"
    L"\r\n"
    L"\tLumistrand  -  zeigt das Bedienfeld\r\n"
    L"\tEinstellungen...  -  \u00F6ffnet die Einstellungen\r\n"
    L"\tEintrag...  -  \u00F6ffnet die Einstellungen auf der Seite Ihrer eigenen Men\u00FCeintr\u00E4ge\r\n"
    L"\tMonitore ausschalten  -  l\u00E4sst Windows alle Monitore abschalten, bis Maus oder Tastatur "
    L"benutzt werden\r\n"
    L"\tMonitore neu erkennen  -  startet Lumistrand neu, das dabei die Monitore neu findet\r\n"
    L"\tVCP-Codes  -  listet jeden Code des gew\u00E4hlten Monitors mit seinem Wert\r\n"
    L"\tNach Update suchen  -  fragt die Homepage nach einer neueren Version\r\n"
    L"\tHilfe  -  dieses Fenster (F1 im Bedienfeld)\r\n"
    L"\tProgramm deinstallieren  -  entfernt Lumistrand\r\n"
    L"\tProgramm beenden  -  beendet Lumistrand nach einer R\u00FCckfrage\r\n"
    L"Eintr\u00E4ge, die Sie in den Einstellungen anlegen, erscheinen ebenfalls in diesem Men\u00FC; "
    L"jeder f\u00FChrt seine Befehlszeile aus.\r\n"
    L"\r\n"
    L"DAS BEDIENFELD\r\n"
    L"\r\n"
    L"Ein Klick auf ein Symbol \u00F6ffnet das Bedienfeld daneben. Oben zeigt eine Liste jeden Monitor "
    L"mit Helligkeit, Kontrast und Farbverst\u00E4rkungen. Ein Klick auf eine Zeile w\u00E4hlt diesen "
    L"Monitor; ein Rechtsklick auf eine Zeile erlaubt, den Monitor umzubenennen, ihn nach einer Zeit ohne "
    L"Eingaben abzudunkeln, ein Ger\u00E4t zu ignorieren, das kein Monitor ist, oder seine VCP-Codes "
    L"anzusehen. Das K\u00E4stchen einer Zeile zeigt, ob der Monitor eingeschaltet ist. Ein Klick darauf "
    L"schaltet den Monitor \u00FCber sein Kabel aus oder ein, aber nur bei gedr\u00FCckten Tasten Strg "
    L"und Umschalt, denn ein so ausgeschalteter Monitor l\u00E4sst sich nur mit seiner eigenen "
    L"Ein/Aus-Taste wecken; beim ersten Mal erkl\u00E4rt ein Fenster das und bietet an, auf die beiden "
    L"Tasten zu verzichten.\r\n"
    L"Unter der Liste liegen Schieberegler und Stufentasten (0, 5, ... 100) f\u00FCr Helligkeit und "
    L"Kontrast des gew\u00E4hlten Monitors und f\u00FCr die Systemlautst\u00E4rke. Die Taste \"colors, "
    L"audio, input\" zeigt eine weitere Spalte mit der Verst\u00E4rkung von Rot, Gr\u00FCn und Blau, dem "
    L"Lautsprecher des Monitors und der S\u00E4ttigung, Auswahllisten f\u00FCr Farbtemperatur, Eingang "
    L"und Bildvoreinstellung sowie den Tasten zum Zur\u00FCcksetzen, Aus- und Einschalten und Drehen des "
    L"Bildschirms. Rot, Gr\u00FCn und Blau wirken meist nur, wenn die Farbvoreinstellung des Monitors "
    L"\"User\" ist. \"Turn off\" schaltet alle Monitore ab, \"Rescan\" sucht die Monitore neu, "
    L"\"V-Slider\" zeigt die Lautst\u00E4rkespalte, \"V-Icon\" das Lautst\u00E4rkesymbol, und \"mute\" "
    L"schaltet das Audioger\u00E4t stumm. Die Taste \"...\" \u00F6ffnet die Einstellungen, \"x\" oder "
    L"Escape blendet das Bedienfeld aus. Das Bedienfeld l\u00E4sst sich an jeder freien Stelle "
    L"verschieben.\r\n"
    L"\r\n"
    L"DIE BEFEHLSSPRACHE\r\n"
    L"\r\n"
    L"Alles, was Lumistrand \u00E4ndert, l\u00E4sst sich als Befehlszeile schreiben. Befehlszeilen kommen\r\n"
    L"\taus der Befehlszeile von Lumistrand.exe selbst,\r\n"
    L"\tvon einem zweiten Start, w\u00E4hrend Lumistrand l\u00E4uft (die Zeile geht an das laufende "
    L"Programm),\r\n"
    L"\tvon Tastenkombinationen, Mausrad-Kombinationen und Ihren eigenen Men\u00FCeintr\u00E4gen,\r\n"
    L"\tvon acht zeitgesteuerten Zeilen am Tag und von Zeilen, die an Programme im Vollbild gebunden sind.\r\n"
    L"Gro\u00DF- und Kleinschreibung spielt keine Rolle. Eine Zeile hat h\u00F6chstens 259 Zeichen.\r\n"
    L"\r\n"
    L"Befehle wirken auf den gew\u00E4hlten Monitor:\r\n"
    L"\tb 50  -  Helligkeit 50 (0 bis 100)\r\n"
    L"\tb + 10  -  Helligkeit um 10 h\u00F6her, h\u00F6chstens 100\r\n"
    L"\tb - 10  -  Helligkeit um 10 niedriger, mindestens 0\r\n"
    L"\tc 70  -  Kontrast (0 bis 100)\r\n"
    L"\tr 128, g 128, l 128  -  Verst\u00E4rkung von Rot, Gr\u00FCn und Blau (0 bis 255); i und bl "
    L"bedeuten ebenfalls Blau\r\n"
    L"\to 20  -  Lautst\u00E4rke des Monitor-Lautsprechers (0 bis 100)\r\n"
    L"\tk 60  -  Farbs\u00E4ttigung des Grafiktreibers (0 bis 100)\r\n"
    L"\tp 6500k  -  Farbtemperatur nach Name oder Nummer\r\n"
    L"\ts hdmi  -  Eingang nach Name oder Nummer, zum Beispiel s dvi, s 15\r\n"
    L"\tj movie  -  eigene Bildvoreinstellung des Monitors nach Name oder Nummer\r\n"
    L"\tf  -  Monitor auf Werkseinstellungen zur\u00FCcksetzen\r\n"
    L"\tx  -  schaltet den genannten Monitor aus oder ein; ohne Monitornamen schaltet Windows alle "
    L"Monitore ab\r\n"
    L"\tw  -  dreht das Bild des Monitors um 90 Grad im Uhrzeigersinn\r\n"
    L"\tn 1, n 0  -  Abdunkeln nach Unt\u00E4tigkeit f\u00FCr den Monitor ein oder aus\r\n"
    L"\ty 1, y 0  -  \u00DCbernahme der Helligkeit vom Quellmonitor ein oder aus\r\n"
    L"\tv 30  -  Lautst\u00E4rke des Standard-Audioger\u00E4ts in Prozent; v + 5 und v - 5 \u00E4ndern "
    L"sie schrittweise\r\n"
    L"\tm, u  -  Audioger\u00E4t stumm und wieder laut schalten\r\n"
    L"\t?  -  eine Benachrichtigung mit aktueller Helligkeit, Kontrast und Lautst\u00E4rke\r\n"
    L"\t;  -  wartet 0,1 Sekunden\r\n"
    L"\t,  -  wartet 1 Sekunde\r\n"
    L"\tq  -  beendet Lumistrand ohne R\u00FCckfrage\r\n"
    L"\tz  -  startet Lumistrand neu\r\n"
    L"Ein Wert au\u00DFerhalb des Bereichs wird \u00FCbergangen; + und - halten an den Grenzen an. Ein "
    L"unver\u00E4nderter Wert wird nicht noch einmal gesendet.\r\n"
    L"\r\n"
    L"Den Monitor w\u00E4hlen: eine Zahl von 1 bis 9 w\u00E4hlt diese Zeile der Monitorliste (0 bedeutet "
    L"die erste). Jedes l\u00E4ngere Wort w\u00E4hlt den ersten Monitor, dessen Name in der Liste, "
    L"Seriennummer, Modell oder Windows-Ger\u00E4tename (etwa DISPLAY2) es enth\u00E4lt, so dass wenige "
    L"Buchstaben gen\u00FCgen, zum Beispiel dell oder hp. Setzen Sie einen Namen mit Leerzeichen in "
    L"Anf\u00FChrungszeichen: \"HP w2207\". Der gew\u00E4hlte Monitor bleibt nach der Zeile gew\u00E4hlt. "
    L"Passt kein Monitor oder gibt es die Zeile zur Zahl nicht, wird der Rest der Zeile \u00FCbergangen; "
    L"deshalb beendet auch ein falsch geschriebener Befehl aus zwei Buchstaben die Zeile.\r\n"
    L"Beispiele:\r\n"
    L"\tb 40 c 60  -  Helligkeit 40 und Kontrast 60 am gew\u00E4hlten Monitor\r\n"
    L"\t2 b 70  -  Helligkeit 70 am zweiten Monitor\r\n"
    L"\tdell b 30 hp c 40  -  Helligkeit des Dell, Kontrast des HP\r\n"
    L"\t1 b 0 , 1 b 100  -  dunkel, eine Sekunde sp\u00E4ter hell\r\n"
    L"\tb 50 # Text  -  alles nach # ist ein Kommentar\r\n"
    L"\r\n"
    L"Umschalter: t wechselt bei jedem Lauf derselben Zeile zwischen zwei Varianten. t b 0 c 0 t b 90 c "
    L"80 setzt beim ersten Mal 0 und 0, beim n\u00E4chsten Mal 90 und 80 und so weiter. Die Zust\u00E4nde "
    L"werden mit den Einstellungen gespeichert.\r\n"
    L"\r\n"
    L"Jeder VCP-Code: setVCP 0x10 50 schreibt 50 in den Code 0x10 (das 0x darf fehlen); setVCP 0x10 + 10 "
    L"liest den Wert zuerst und z\u00E4hlt 10 dazu. getVCP 0x12 liest einen Code und zeigt aktuellen und "
    L"h\u00F6chsten Wert in einem Meldungsfenster. Codes, die einen Datenblock brauchen, werden mit einer "
    L"Meldung abgelehnt.\r\n"
    L"\r\n"
    L"R\u00FCckgabewerte: ein zweiter Start endet mit dem Ergebnis des laufenden Programms als "
    L"R\u00FCckgabewert, so dass Skripte Werte lesen k\u00F6nnen:\r\n"
    L"\tLumistrand.exe d  -  endet mit der Helligkeit des gew\u00E4hlten Monitors\r\n"
    L"\tLumistrand.exe 2 e  -  endet mit dem Kontrast des zweiten Monitors\r\n"
    L"\tLumistrand.exe get_VCP 0x62  -  endet mit dem vom Monitor gelesenen Wert, ohne Meldungsfenster\r\n"
    L"Antwortet der Monitor nicht, endet ein gescheitertes get_VCP mit -1. In einer Batchdatei steht der "
    L"Wert in %ERRORLEVEL%.\r\n"
    L"\r\n"
    L"Programme: eine Zeile, die mit ! beginnt, ist kein Befehl, sondern wird \u00FCber eine Batchdatei "
    L"als Programm gestartet, zum Beispiel !notepad.exe.\r\n"
    L"\r\n"
    L"DIE EINSTELLUNGEN\r\n"
    L"\r\n"
    L"Das Einstellungsfenster hat sechs Seiten; \"Hilfe\" \u00F6ffnet diesen Text, "
    L"\"Standardeinstellungen\" kehrt zu den eingebauten Einstellungen zur\u00FCck, \"OK\" schlie\u00DFt.\r\n"
    L"Allgemeines: die Symbole jedes Monitors und das Lautst\u00E4rkesymbol; Start mit Windows; gleiche "
    L"Werte f\u00FCr alle Monitore; gleiche Laptop-Helligkeit mit Akku und Netzteil; Benachrichtigungen "
    L"nach einer \u00C4nderung; die Sprache; der Monitor unter dem Mauszeiger als Ziel der Befehle; "
    L"Tooltips der Symbole; Gl\u00E4ttung, Farben und Schriften der Symbole und Regler; wo die "
    L"Einstellungen gespeichert werden; Werte neu lesen, speichern, pr\u00FCfen und wiederherstellen; die "
    L"Protokolldatei aller Monitorzugriffe; die Suche nach Updates (t\u00E4glich, w\u00F6chentlich, nie); "
    L"und AutoClose, das das Bedienfeld ausblendet, sobald ein anderes Fenster aktiv wird.\r\n"
    L"Mauseinstellungen: das Mausrad mit einer Tastenkombination f\u00FCr eigene Befehlszeilen, seine "
    L"Wiederholverz\u00F6gerung, die zwei Werte der mittleren Taste und die Mausrad-Schritte jedes "
    L"Symbols.\r\n"
    L"Tastenkombinationen: f\u00FCnfzehn Tastenkombinationen mit je einer Befehlszeile und ihre "
    L"Wiederholverz\u00F6gerung. Solange diese Seite zu sehen ist, wirken die Tastenkombinationen nie.\r\n"
    L"Men\u00FCeintr\u00E4ge: f\u00FCnfzehn Eintr\u00E4ge des Symbolmen\u00FCs mit je einem Kommentar und "
    L"einer Befehlszeile; \"Hide\" l\u00E4sst die Befehlszeile im Men\u00FCtext weg.\r\n"
    L"Timer, Transfer, Limits: acht t\u00E4gliche Uhrzeiten mit je einer Befehlszeile, zum Beispiel "
    L"abends b 20 c 30 und morgens b 80 c 70; die letzte vergangene Uhrzeit l\u00E4uft einmal am Tag, "
    L"auch nach einem sp\u00E4teren Start. Die Helligkeits\u00FCbernahme \u00FCbertr\u00E4gt die "
    L"Helligkeit eines Quellmonitors mit einem Versatz und Faktoren je Bereich auf einen Zielmonitor. Die "
    L"Grenzen halten Helligkeit und Kontrast eines Monitors zwischen einem Minimum und einem Maximum.\r\n"
    L"Automatisch ausf\u00FChren: w\u00E4hlen Sie laufende Programme; solange eines davon im Vordergrund "
    L"ist (auf Wunsch nur im Vollbild), l\u00E4uft seine Befehlszeile, und wenn es geht, kehren "
    L"Helligkeit, Kontrast, S\u00E4ttigung, Voreinstellung und Farben zur\u00FCck.\r\n"
    L"\r\n"
    L"Die Einstellungen stehen in Lumistrand.xml neben dem Programm und in einer Kopie in Ihrem Profil "
    L"(der Ordner Lumistrand in den servergespeicherten Anwendungsdaten). Dort liegt auch die "
    L"Protokolldatei, wenn Sie keinen anderen Ort w\u00E4hlen.\r\n"
    L"\r\n"
    L"ABDUNKELN UND DAS LAPTOP-DISPLAY\r\n"
    L"\r\n"
    L"Das Men\u00FC einer Zeile der Monitorliste bietet \"Monitor abdunkeln nach...\": nach den "
    L"gew\u00E4hlten Minuten ohne Maus- oder Tastatureingabe nimmt der Monitor die dort eingestellte "
    L"Helligkeit an, und die erste Eingabe bringt die vorherige Helligkeit zur\u00FCck. Im selben Fenster "
    L"l\u00E4sst sich der Monitor umbenennen; der neue Name erscheint in der Liste und in den Tooltips "
    L"und kann in Befehlszeilen benutzt werden. Der Befehl n 1 oder n 0 schaltet das Abdunkeln eines "
    L"Monitors per Tastenkombination oder zeitgesteuerter Zeile ein oder aus.\r\n"
    L"Das eingebaute Display eines Laptops erscheint in der Liste wie ein Monitor. Seine Helligkeit folgt "
    L"den Stufen, die das Display bietet, es hat keinen Kontrast und keine Farben, und Lumistrand folgt "
    L"\u00C4nderungen mit den Tasten des Laptops.\r\n"
    L"\r\n"
    L"TIPPS\r\n"
    L"\r\n"
    L"Reagiert ein Monitor nicht, schalten Sie DDC/CI in seinem Men\u00FC ein und w\u00E4hlen \"Monitore "
    L"neu erkennen\". Manche Monitore reagieren langsam; \"Verify values\" liest jeden Wert zur\u00FCck. "
    L"Ein Monitor hinter einem Dock, einem Verteiler oder einem AV-Receiver gibt DDC/CI vielleicht nicht "
    L"weiter; so ein Ger\u00E4t l\u00E4sst sich im Men\u00FC seiner Zeile ignorieren, was bei jeder Suche "
    L"Zeit spart. \"Save values\" l\u00E4sst den Monitor einen Wert auch nach dem Ausschalten behalten.";

constexpr TextPair kTexts[] = {
    {TextId::RequiresWindows7, L"Lumistrand requires at least Windows 7", L"Lumistrand erfordert mindestens Windows 7"},
    {TextId::ConfirmExit, L"Do you really want to terminate Lumistrand ?", L"Wollen Sie Lumistrand wirklich beenden ?"},
    {TextId::DuplicateModeNotice,
     L"Hiding monitor-icons works only in extended display mode,\nso change in windows-settings duplicate displays to extend.",
     L"Monitor-Symbole ausblenden geht nur im erweiterten Anzeigemodus,\nstellen Sie in den Windows-Einstellungen Anzeigen erweitern ein."},
    {TextId::ListMenuShownAs, L"%ls  is shown as  %ls  ->  Change?", L"%ls  wird angezeigt als  %ls  ->  \u00c4ndern?"},
    {TextId::VcpTableCodeRefused, L"%ls\n%ls\n%ls 0x%02X is a table-VCP-code,\nneeds a data block, not supported-> Error!",
     L"%ls\n%ls\n%ls 0x%02X ist ein table-VCP-code,\nbraucht Datenblock, nicht unterst\u00fctzt-> Error!"},
    {TextId::VcpReadResult, L"getVCP 0x%02X\n%ls\n%ls\ncurrent value (decimal)  %d\nmaximum value (decimal)  %d",
     L"getVCP 0x%02X\n%ls\n%ls\naktueller Wert (dezimal)  %d\nmaximaler Wert (dezimal)  %d"},
    {TextId::VcpReadFailed, L"%ls\n%ls\ngetVCP 0x%02X did not work -> Error!", L"%ls\n%ls\ngetVCP 0x%02X kein Erfolg -> Error!"},
    {TextId::InfoMonitorName, L"Monitorname    \t ", L"Monitorname    \t "},
    {TextId::InfoModel, L"Model          \t ", L"Modell         \t "},
    {TextId::InfoManufacturer, L"Manufacturer   \t ", L"Hersteller     \t "},
    {TextId::InfoManufacturerId, L"ManufacturerID \t ", L"HerstellerID   \t "},
    {TextId::InfoProductCode, L"Productcode    \t ", L"Productcode    \t "},
    {TextId::InfoMonitorInfo, L"Monitorinfo    \t ", L"Monitorinfo    \t "},
    {TextId::InfoSerialNumber, L"Serialnumber   \t ", L"Seriennummer   \t "},
    {TextId::InfoConnection, L"Connection     \t ", L"Anschluss      \t "},
    {TextId::InfoActiveHours, L"Active hours   \t ", L"Aktivstunden   \t "},
    {TextId::InfoProductionYear, L"Production year\t ", L"Herstellung    \t "},
    {TextId::InfoProductionWeek, L" (week ", L" (Woche "},
    {TextId::InfoRightClick, L"\nRight click  ->\t change monitorname, dim monitor",
     L"\nRechtsklick  ->\t Monitorname \u00E4ndern, Abdunkeln"},
    {TextId::CaptionBrightness, L"Brightness ", L"Helligkeit "},
    {TextId::CaptionContrast, L"Contrast ", L"Kontrast "},
    {TextId::CaptionRed, L"R", L"R"},
    {TextId::CaptionGreen, L"G", L"G"},
    {TextId::CaptionBlue, L"B", L"B"},
    {TextId::CaptionSpeaker, L"V", L"L"},
    {TextId::CaptionSaturation, L"S", L"F"},
    {TextId::TipBrightnessShort, L"B ", L"H "},
    {TextId::TipContrastShort, L"C ", L"K "},
    {TextId::TipVolumeShort, L"V ", L"L "},
    {TextId::TipSpeaker, L"Monitor-Speaker ", L"Monitor-Lautsprecher "},
    {TextId::TipSaturation, L"Saturation ", L"Farbs\u00E4ttigung "},
    {TextId::TipVolume, L"Volume ", L"Lautst\u00E4rke "},
    {TextId::TipHint, L"Arrange icons by drag &&& drop\nUse mouse wheel over icons",
     L"Ordne Symbole durch Ziehen\nNutze Mausrad \u00FCber Icons"},
    {TextId::IconGuidError,
     L"Maybe resetting notification area icons cache solves the problem,\nsearch internet for Reset Notification Area Icons Cache.",
     L"Vielleicht hilft es, den Symbol-Cache des Infobereichs zur\u00FCckzusetzen,\nsuchen Sie im Internet nach Reset Notification Area Icons Cache."},
    {TextId::HelpText, kHelpTextEnglish, kHelpTextGerman},
    {TextId::HiddenIconsWarning,
     L"\r\n     There are hidden Lumistrand icons!\r\n\r\n"
     L"     You can simply rearrange notification icons by drag and drop,\r\n"
     L"     so move icons from hidden tray area to visible taskbar area.\r\n"
     L"     If you update to a new version, information about icon locations get lost,\r\n"
     L"     so you have to rearrange icons by drag and drop after updating.\r\n"
     L"     Deselect unwanted icons in settings.",
     L"\r\n     versteckte Lumistrand Symbole vorhanden!\r\n\r\n"
     L"     versteckte Symbole einfach mit der Maus auf den sichtbaren Bereich schieben.\r\n"
     L"     Nach dem Aktualisieren auf eine neue Version gehen die Positions-Informationen verloren,\r\n"
     L"     so da\u00DF ein einmaliges Neuausrichten erforderlich wird.\r\n"
     L"     Unerw\u00FCnschte Symbole in Lumistrand-Einstellungen abw\u00E4hlen."},
    {TextId::PowerOffBlackScreen,
     L"\r\n\tIf you power off this monitor, you may be unable to use Windows User Interface, because monitor gets black.\r\n\r\n",
     L"\r\n\tWenn Sie diesen Monitor ausschalten, k\u00F6nnen Sie Windows vielleicht nicht mehr bedienen,\r\n"
     L"\tweil der Monitor schwarz wird.\r\n\r\n"},
    {TextId::PowerOffWakeUp,
     L"\tYou must press the real monitor-On/Off button once or twice, to wake up the monitor again.\r\n\r\n",
     L"\tSie m\u00FCssen die echte Ein/Aus-Taste des Monitors ein- oder zweimal dr\u00FCcken, um ihn wieder einzuschalten.\r\n\r\n"},
    {TextId::PowerOffHotkey,
     L"\tBest would be to define a hotkey, use as corresponding command-line\r\n\r\n\tmonitorname  x\r\n\r\n"
     L"\tPressing the hotkey toggles monitor-power on or off. Powering off is done directly in monitor,\r\n"
     L"\tyou can't wake up a powered off monitor by using mouse or keyboard.\r\n\r\n"
     L"\tWindows, settings, turn off screen after some time behaves totally different, it is not monitor specific,\r\n"
     L"\tinstead no more video-signal is sent to all monitors, therefore the monitors go to sleep until a signal is found,\r\n"
     L"\tsignal is sent again when mouse or keyboard is used.\r\n"
     L"\tUsing argument x without preceding monitorname will cause Windows behavior to turn off all monitors.\r\n\r\n",
     L"\tAm besten definieren Sie eine Tastenkombination mit der Befehlszeile\r\n\r\n\tmonitorname  x\r\n\r\n"
     L"\tDie Tastenkombination schaltet den Monitor ein oder aus. Das Ausschalten geschieht im Monitor selbst,\r\n"
     L"\teinen so ausgeschalteten Monitor k\u00F6nnen Maus und Tastatur nicht wecken.\r\n\r\n"
     L"\tDas Abschalten des Bildschirms nach einiger Zeit in den Windows-Einstellungen wirkt ganz anders:\r\n"
     L"\tes gilt nicht je Monitor, sondern Windows sendet an keinen Monitor mehr ein Bildsignal,\r\n"
     L"\tdeshalb schlafen alle Monitore, bis wieder ein Signal kommt,\r\n"
     L"\tund das Signal kommt wieder, sobald Maus oder Tastatur benutzt werden.\r\n"
     L"\tDas Argument x ohne vorangestellten Monitornamen schaltet so wie Windows alle Monitore ab.\r\n\r\n"},
    {TextId::PowerOffCtrlShift, L"\tPowering off/on only works with ctrl + shift pressed while clicking,\r\n\r\n",
     L"\tAus- und Einschalten wirkt nur, wenn beim Klicken Strg + Umschalt gedr\u00FCckt sind,\r\n\r\n"},
    {TextId::PowerOffTickBelow, L"\tclick checkbox below for powering off without additional keys.",
     L"\tKlicken Sie das K\u00E4stchen unten an, um ohne zus\u00E4tzliche Tasten auszuschalten."},
    {TextId::PowerOffInstant, L"instant powering off, no additional pressed keys required",
     L"sofort ausschalten, keine zus\u00E4tzlichen Tasten n\u00F6tig"},
    {TextId::ConfirmTitle, L"Click Cancel if you are unsure!", L"Im Zweifelsfall klicken Sie Abbrechen!"},
    {TextId::ConfirmFactoryReset,
     L"Click Cancel if you are unsure!\n\nClick OK if you really want to restore default monitor-settings,\nthis will change "
     L"brightness, colors and so on...",
     L"Im Zweifelsfall klicken Sie Abbrechen!\n\nKlicken Sie OK, wenn Sie wirklich die Werkseinstellungen des Monitors "
     L"herstellen wollen,\ndas \u00E4ndert Helligkeit, Farben usw. ..."},
    {TextId::ConfirmInput,
     L"Click Cancel if you are unsure!\n\nClick OK if you really want to change monitor-input,\nmonitor may stop displaying "
     L"windows-system\nand display data from the newly selected input.",
     L"Im Zweifelsfall klicken Sie Abbrechen!\n\nKlicken Sie OK, wenn Sie wirklich den Monitor-Eingang wechseln wollen,\n"
     L"der Monitor zeigt dann vielleicht nicht mehr Windows,\nsondern das Bild des neuen Eingangs."},
    {TextId::ConfirmRotate,
     L"Click Cancel if you are unsure!\n\nIt may be hard to move mouse in a rotated display,\ntherefore use for rotating a "
     L"hotkey with argument w",
     L"Im Zweifelsfall klicken Sie Abbrechen!\n\nIn einer gedrehten Anzeige ist die Maus schwer zu f\u00FChren,\nnutzen Sie "
     L"zum Drehen besser eine Tastenkombination mit Argument w"},
    {TextId::TipVolumeIconBox, L"show or hide\ndefault-audio-device-volume\nnotification icon",
     L"Symbol der Lautst\u00E4rke\ndes Standard-Audioger\u00E4ts\nzeigen oder verbergen"},
    {TextId::TipMute, L"mutes or unmutes\ndefault-audio-device-volume",
     L"schaltet das Standard-Audioger\u00E4t\nstumm oder wieder laut"},
    {TextId::TipColourPreset, L"select a monitor-color-profile", L"Farbprofil des Monitors w\u00E4hlen"},
    {TextId::TipInput, L"select monitor-input\ndo not click, if you are unsure!",
     L"Monitor-Eingang w\u00E4hlen\nim Zweifelsfall nicht klicken!"},
    {TextId::TipMonitorPreset, L"select a monitor-specific preset,\nif empty not supported by monitor",
     L"monitoreigene Voreinstellung w\u00E4hlen,\nleer: vom Monitor nicht unterst\u00FCtzt"},
    {TextId::TipReset, L"restore default Monitor-factory-settings\ndo not click, if you are unsure!",
     L"Werkseinstellungen des Monitors herstellen\nim Zweifelsfall nicht klicken!"},
    {TextId::TipVolumeColumnBox, L"show or hide\ndefault-audio-device-volume-slider",
     L"Regler der Lautst\u00E4rke\ndes Standard-Audioger\u00E4ts\nzeigen oder verbergen"},
    {TextId::TipOpenSettings, L"Open settings", L"Einstellungen \u00F6ffnen"},
    {TextId::TipVolumeLabel, L"default-audio-device-volume", L"Lautst\u00E4rke des Standard-Audioger\u00E4ts"},
    {TextId::TipSpeakerLabel, L"Monitor-Speaker/\nMonitor-Audio-out-volume", L"Monitor-Lautsprecher/\nLautst\u00E4rke des Monitor-Audioausgangs"},
    {TextId::TipPower, L"Power off/on only this monitor,\ndo not click, if you are unsure!",
     L"nur diesen Monitor aus-/einschalten,\nim Zweifelsfall nicht klicken!"},
    {TextId::TipPowerLaptop,
     L"Laptop-Display can only be turned off by windows, Click Turn off button,\nthis turns off all monitors\nuntil the "
     L"mouse or keyboard is used.",
     L"Das Laptop-Display kann nur Windows ausschalten, klicken Sie Turn off,\ndas schaltet alle Monitore ab,\nbis Maus "
     L"oder Tastatur benutzt werden."},
    {TextId::TipRotate, L"rotate display orientation clockwise by 90 degrees",
     L"Anzeige um 90 Grad im Uhrzeigersinn drehen"},
    {TextId::TipAdvancedColumn,
     L"show or hide advanced features,\nRed, Green, Blue, color profiles, input selection, monitor on/off, reset monitor.",
     L"erweiterte Funktionen zeigen oder verbergen,\nRot, Gr\u00FCn, Blau, Farbprofile, Eingangswahl, Monitor aus/ein, "
     L"Werkseinstellungen."},
    {TextId::TipHidePanel,
     L"Clicking outside Lumistrand-mainwindow automatically closes the window.\nThis button closes it at once,\n"
     L"AutoClose in the settings switches the automatic closing off.",
     L"Ein Klick au\u00DFerhalb des Lumistrand-Hauptfensters schlie\u00DFt das Fenster.\nDieser Knopf schlie\u00DFt es "
     L"sofort,\nAutoClose in den Einstellungen schaltet das automatische Schlie\u00DFen ab."},
    {TextId::TipSaturationLabel,
     L"Saturation/Vibrance:\ngraphics driver sends less (0-49) or more (51-100) saturated colors to monitor,\n50 "
     L"leaves the colors as they are.",
     L"Farbs\u00E4ttigung/Vibrance:\nder Grafiktreiber sendet weniger (0-49) oder mehr (51-100) ges\u00E4ttigte Farben "
     L"an den Monitor,\n50 l\u00E4sst die Farben unver\u00E4ndert."},
    {TextId::TipTurnOff,
     L"Turn off all monitors for power saving,\nmouse or keyboard turns them on again.",
     L"Alle Monitore zum Stromsparen abschalten,\nMaus oder Tastatur schalten sie wieder ein."},
    {TextId::TipRescan, L"Restart program for rescanning monitors", L"Programm neu starten, um Monitore neu zu suchen"},
    {TextId::UpdateNoneTitle, L"No update available!", L"Keine neuere Version verf\u00FCgbar!"},
    {TextId::UpdateNone, L"You are already using newest version %ls\nDo you want to visit homepage?",
     L"Sie nutzen schon die neueste Version %ls\nWollen Sie die Internetseite aufrufen?"},
    {TextId::UpdateCheckFailed,
     L"The check for a new version failed:\nthe download site could not be reached or sent no valid version file.",
     L"Die Suche nach einer neuen Version ist fehlgeschlagen:\ndie Internetseite war nicht erreichbar oder "
     L"lieferte keine g\u00FCltige Versionsdatei."},
    {TextId::UpdateNotExecutable,
     L"The downloaded file is not a complete program file,\nnothing was installed.",
     L"Die heruntergeladene Datei ist keine vollst\u00E4ndige Programmdatei,\nes wurde nichts installiert."},
    {TextId::UpdateVersions, L" actual  running  version     %ls\r\n new downloadable version     %ls\r\n",
     L" momentan ausgef\u00FChrte Version %ls\r\n neue herunterladbare Version %ls\r\n"},
    {TextId::ClickNoIfUnsure, L"Click No if you are unsure!", L"im Zweifelsfall klicke Nein!"},
    {TextId::UninstallQuestion,
     L"If you click Yes, then Lumistrand will be uninstalled,\nthis means the running Lumistrand-program will end,\n"
     L"and the Lumistrand-program-file will be deleted.",
     L"Durch Anklicken von Ja wird Lumistrand deinstalliert,\ndas hei\u00DFt, Lumistrand wird beendet und die "
     L"Programmdatei gel\u00F6scht."},
    // Settings dialog
    {TextId::SettingsNoFreeEntries, L"no more free entries!", L"keine freien Eintr\u00E4ge mehr!"},
    {TextId::SettingsResetQuestion,
     L"If you click Yes, then you will lose all your settings,\nlike hot keys, colors and so on!",
     L"Wenn Sie Ja anklicken, gehen alle Ihre Einstellungen,\nTastenkombinationen, Farbeinstellungen usw. verloren!"},
    {TextId::SettingsResetRefused,
     L"The settings were not reset: %ls could not be moved aside\n(it is in use or write-protected).\n"
     L"Nothing was lost; close the program that uses it and try again.",
     L"Die Einstellungen wurden nicht zur\u00FCckgesetzt: %ls lie\u00DF sich nicht umbenennen\n"
     L"(die Datei wird benutzt oder ist schreibgesch\u00FCtzt).\n"
     L"Nichts ging verloren; schlie\u00DFen Sie das Programm, das sie benutzt, und versuchen Sie es erneut."},
    {TextId::SettingsDeleteLog, L"No more data are written to log-file.\nDelete existing log-file?",
     L"Es werden keine Daten mehr in die Log-Datei geschrieben.\nVorhandene Log-Datei l\u00F6schen?"},
    {TextId::SettingsDeleteLogTitle, L"Delete log-file?", L"Log-Datei l\u00F6schen?"},
    {TextId::SettingsNoIcons,
     L"Do you really want to use no notification icons?\nthen Lumistrand-main-window can only be opened\nby running "
     L"program again (without arguments),\nand context menu can only be opened by right clicking\nin "
     L"Lumistrand-main-window.",
     L"Wollen Sie wirklich keine Benachrichtigungssymbole benutzen?\nDas Lumistrand-Haupt-Fenster kann dann nur "
     L"noch\ndurch erneutes Ausf\u00FChren des Programmes (ohne Argumente)\nge\u00F6ffnet werden, und das "
     L"Kontext-Men\u00FC kann dann nur noch\ndurch Rechts-Klick im Haupt-Fenster ge\u00F6ffnet werden."},
    {TextId::SettingsLineTooLong,
     L"A command line may hold at most 259 characters; this one is longer and was not taken:\n%ls...",
     L"Eine Befehlszeile darf h\u00F6chstens 259 Zeichen lang sein; diese ist l\u00E4nger und wurde nicht "
     L"\u00FCbernommen:\n%ls..."},
    {TextId::SettingsAutostartTip,
     L"AutoRun is realized in the most transparent way, by creating a shortcut in Startup,\nscrolling through the "
     L"text on the right side will show the exact shortcut-location.",
     L"AutoRun wird auf die durchschaubarste Art umgesetzt, durch eine Verkn\u00FCpfung in Autostart,\nder Text "
     L"rechts zeigt beim Durchbl\u00E4ttern den genauen Ort der Verkn\u00FCpfung."},
    {TextId::SettingsGerman, L"German", L"Deutsch"},
    {TextId::SettingsEnglish, L"English", L"Englisch"},
    {TextId::SettingsPageTitles,
     L"general settings\nmanage mouse\nmanage hot keys\nmanage menu entries\nTimer, Transfer, Limits\n"
     L"Auto-Run commands",
     L"Allgemeines\nMauseinstellungen\nTastenkombinationen\nmanage menu entries\nTimer, Transfer, Limits\n"
     L"Automatisch ausf\u00FChren"},
    {TextId::TipSetKeyboardHook,
     L"If this option is unchecked, hot keys are not working, because of missing keyboard-hook.",
     L"Ist diese Option nicht gew\u00E4hlt, funktionieren keine Tastenkombinationen, weil der Tastatur-Hook fehlt."},
    {TextId::TipSetMouseHook,
     L"If this option is unchecked, mouse wheel actions are ignored, because of missing mouse-hook.",
     L"Ist diese Option nicht gew\u00E4hlt, werden Mausrad-Aktionen ignoriert, weil der Maus-Hook fehlt."},
    {TextId::TipSetVerify,
     L"After set value, read value from monitor, to check success,\nbecause a few monitors report success, but in fact there was no change,\ncosts additional 50 ms",
     L"Nach dem Setzen den Wert vom Monitor lesen, um den Erfolg zu pr\u00FCfen,\nweil einige Monitore Erfolg melden, ohne etwas zu \u00E4ndern,\nkostet zus\u00E4tzlich 50 ms"},
    {TextId::TipSetSaveValues,
     L"A few monitors forget changes done by user over monitorcable after powering off,\nthis option may help that values are really stored in monitor, but costs additional 200 ms",
     L"Einige Monitore vergessen \u00FCber das Monitorkabel gemachte \u00C4nderungen nach dem Ausschalten,\ndiese Option kann helfen, dass die Werte wirklich im Monitor gespeichert werden, kostet aber zus\u00E4tzlich 200 ms"},
    {TextId::TipSetRestore,
     L"When Lumistrand starts, last brightness/contrast values will be restored,\nmay be useful if monitor forgets set values after power off.\nDetecting power state works best with DisplayPort.",
     L"Beim Start von Lumistrand werden die letzten Helligkeits-/Kontrastwerte wiederhergestellt,\nhilfreich, wenn der Monitor gesetzte Werte nach dem Ausschalten vergisst.\nDer Einschaltzustand wird am besten \u00FCber DisplayPort erkannt."},
    {TextId::TipSetSameBrightness,
     L"Laptop-Display keeps same brightness ignoring power-source-changes",
     L"Das Laptop-Display beh\u00E4lt seine Helligkeit beim Wechsel der Stromquelle"},
    {TextId::TipSetNotifications,
     L"Notifications will be shown for changes done by pesssing hot keys",
     L"Benachrichtigungen werden f\u00FCr \u00C4nderungen durch Tastenkombinationen angezeigt"},
    {TextId::TipSetWheelKeys,
     L"single alt, ctrl, win key not supported because of menu or zooming interactions",
     L"einzelne Alt-, Strg- oder Win-Taste wegen Men\u00FC- oder Zoom-Wechselwirkungen nicht unterst\u00FCtzt"},
    {TextId::TipSetTimerOn,
     L"if unchecked command-line is deactivated",
     L"nicht gew\u00E4hlt: die Befehlszeile ist abgeschaltet"},
    {TextId::TipSetHide,
     L"if there is a comment, you can hide the corresponding command-line",
     L"bei vorhandenem Kommentar kann die Befehlszeile verborgen werden"},
    {TextId::TipSetSource,
     L"enter monitorname, modelname or serialnumber for source-monitor and destination-monitor.",
     L"Monitorname, Modellname oder Seriennummer f\u00FCr Quell- und Zielmonitor eingeben."},
    {TextId::TipSetDestination,
     L"enter just * as target-monitor to use source-brightness for all other monitors",
     L"nur * als Zielmonitor \u00FCbertr\u00E4gt die Quellhelligkeit auf alle anderen Monitore"},
    {TextId::TipSetCheckAmbient,
     L"only needed if source is an external monitor with active ambient-sensor.",
     L"nur n\u00F6tig, wenn die Quelle ein externer Monitor mit aktivem Umgebungslichtsensor ist."},
    {TextId::TipSetSameValues,
     L"only useful if you use many identical monitors",
     L"nur bei vielen gleichen Monitoren sinnvoll"},
    {TextId::TipSetLogFile,
     L"may be useful for informational or debugging purposes",
     L"kann zur Information oder Fehlersuche n\u00FCtzlich sein"},
    {TextId::TipSetLogFileChoose,
     L"click for determining log-file-location",
     L"klicken, um den Ort der Log-Datei festzulegen"},
    {TextId::TipSetCombined,
     L"Brightness and Contrast combined in one icon",
     L"Helligkeit und Kontrast in einem Symbol"},
    {TextId::TipSetClearType,
     L"sharper look",
     L"sch\u00E4rferes Aussehen"},
    {TextId::TipSetAntialiasing,
     L"thicker look",
     L"kr\u00E4ftigeres Aussehen"},
    {TextId::TipSetNoAntialiasing,
     L"uneven look",
     L"unruhigeres Aussehen"},
    {TextId::TipSetMonitor,
     L"change monitorname,\ndim-monitor-settings,\nset brightness-code",
     L"Monitorname,\nDimm-Einstellungen,\nHelligkeits-Code \u00E4ndern"},
    {TextId::TipSetProgram, L"Click to edit program", L"Klicken, um das Programm zu bearbeiten"},
    {TextId::VcpWait, L"\r\n\r\n\treading VCP-codes takes some seconds,\r\n\r\n\tplease wait...",
     L"\r\n\r\n\tVCP-codes auslesen dauert einige Sekunden,\r\n\r\n\tbitte warten..."},
    {TextId::VcpColumnAccess, L"Access", L"Zugriff"},
    {TextId::VcpColumnDescription, L"Description", L"Beschreibung"},
    {TextId::VcpColumnCurrent, L"Current", L"Aktuell"},
    {TextId::VcpColumnMaximum, L"Maximum", L"Maximal"},
    {TextId::VcpColumnPossible, L"Possible values", L"Mögliche Werte"},
    {TextId::VcpReadOnly, L"Read-only", L"nur Lesen"},
    {TextId::VcpWriteOnly, L"Write-only", L"nur Schreiben"},
    {TextId::VcpReadWrite, L"Read+Write", L"Vollzugriff"},
    {TextId::VcpRange, L"0 up to %d", L"0 bis %d"},
    {TextId::VcpNoCapabilities, L"Monitor did not deliver a capability string!", L"Monitor lieferte keinen capability string!"},
    {TextId::VcpCapabilitiesNote,
     L"\r\nMonitors deliver a capability string that defines supported VCP codes, but often the string is partially "
     L"incorrect, some VCP-codes are not working, and some other working VCP-codes are missing. A few monitors do not "
     L"deliver a capability string, but nevertheless some VCP-codes are working. Some monitors support only very few "
     L"VCP-codes or are ignoring MCCS (VCP-codes) totally. Lumistrand automatically deals with these problems, so you "
     L"should close this window.",
     L"\r\nMonitore liefern einen capability string, der die unterstützten VCP-codes nennt, doch oft ist er teilweise "
     L"falsch: manche VCP-codes funktionieren nicht, andere funktionierende fehlen. Einige Monitore liefern keinen "
     L"capability string, obwohl manche VCP-codes funktionieren. Manche Monitore kennen nur sehr wenige VCP-codes oder "
     L"ignorieren MCCS (VCP-codes) ganz. Lumistrand geht mit diesen Problemen selbst um, deshalb sollten Sie dieses "
     L"Fenster schließen."},
    {TextId::VcpWarning,
     L"Monitors are controlled by the VCP-codes of MCCS. Lumistrand offers the useful ones in its own windows, so "
     L"please close this window. In rare cases writing a VCP-code can harm a monitor. Who wants to dig deeper should "
     L"read the MCCS documentation first.",
     L"Monitore werden über die VCP-codes von MCCS gesteuert. Lumistrand bietet die nützlichen in seinen eigenen "
     L"Fenstern an, bitte schließen Sie deshalb dieses Fenster. In seltenen Fällen kann das Schreiben eines "
     L"VCP-codes einen Monitor beschädigen. Wer tiefer einsteigen will, sollte zuerst die MCCS-Dokumentation lesen."},
    {TextId::VcpWriteInstruction, L"enter value to be written, e.g. 10 or + 5\nthen click left button",
     L"Wert eingeben, z.B. 10 oder + 5\ndann links klicken zum Schreiben"},
    {TextId::VcpClose, L"Close", L"Schließen"},
    {TextId::VcpWriteNote, L"can also be used in command-line", L"kann auch in Befehlszeile verwandt werden"},
    {TextId::VcpCurrent, L"current\n", L"Aktuell\n"},
    {TextId::VcpMaximum, L"maximum\n", L"Maximal\n"},
    {TextId::VcpTipList, L"Click VCP-code-line to write VCP-code-value",
     L"VCP-code-Zeile anklicken, um einen Wert zu schreiben"},
    {TextId::VcpTipFields,
     L"Select monitor and read VCP-codes defined in capability string,\ntry all VCP-codes by selecting monitor with "
     L"ctrl + shift pressed (not recommended)",
     L"Monitor wählen und die im capability string genannten VCP-codes lesen,\nalle VCP-codes versuchen: Monitor mit "
     L"gedrückten Strg + Umschalt wählen (nicht empfohlen)"},
};

constexpr bool EveryIdInItsRow() {
    std::size_t row = 0;
    for (const TextPair& text : kTexts) {
        if (static_cast<std::size_t>(text.id) != row++) return false;
    }
    return row == static_cast<std::size_t>(TextId::Count);
}
static_assert(EveryIdInItsRow(), "kTexts holds every TextId once, in the enum's order");

const TextPair& Row(TextId id) { return kTexts[static_cast<std::size_t>(id)]; }

}  // namespace

const wchar_t* UiText(TextId id) { return UiIsGerman() ? Row(id).german : Row(id).english; }
