#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "game/GameView.h"
#include "shell/MainSettings.h"
#include "shell/TextFile.h"
#include "sound/SoundEvents.h"

// The settings file of one computer: a fixed sequence of lines, one value per
// line, read once when the main window loads and written once when it closes.
namespace qv {

// The windows whose places the file keeps; the four side windows in file order.
enum class PlacedWindow : int { Main, Records, Statistic, Future, Player };

// What the settings file reads into and writes from: the main window with its
// side windows, sound channels, background sound and player. Positions in twips.
class ISettingsTarget {
public:
    virtual ~ISettingsTarget() = default;
    virtual MainSettings& Settings() = 0;

    // Showing a side window loads it; Left/Top move it; Repaint paints it at once.
    virtual void Set_Visible(PlacedWindow w, bool visible) = 0;
    virtual void Set_Left(PlacedWindow w, float twips) = 0;
    virtual void Set_Top(PlacedWindow w, float twips) = 0;
    virtual void Repaint(PlacedWindow w) = 0;
    virtual bool Visible(PlacedWindow w) = 0;
    virtual float Left(PlacedWindow w) = 0;
    virtual float Top(PlacedWindow w) = 0;
    // Brings a minimised or maximised main window back to its normal place.
    virtual void Restore_Main_Window() = 0;
    // Processes pending window events (n + 1)² times.
    virtual void Wait_Events(int n) = 0;

    // Background sound: open and loop a file (sets Settings().freq to its rate).
    virtual void PlayBkgMusic(const std::string& path) = 0;
    virtual bool bFailedBkg() = 0;
    virtual void StopBkgMusic() = 0;
    virtual void SetBkgVolume(int16_t volume) = 0;
    virtual void SetBkgFreq(int32_t hz) = 0;
    // The last volume set; 0 when the background sound failed.
    virtual int16_t GetBkgVolume() = 0;

    // The four properties of a sound channel; a failed channel reads frequency 0.
    virtual void Set_DMCtrlPath(Channel c, const std::string& path) = 0;
    virtual void Set_DMCtrlEnabled(Channel c, bool on) = 0;
    virtual void Set_DMCtrlVolume(Channel c, int16_t volume) = 0;
    virtual void Set_DMCtrlFreq(Channel c, int32_t hz) = 0;
    virtual std::string DMCtrlPath(Channel c) = 0;
    virtual bool DMCtrlEnabled(Channel c) = 0;
    virtual int16_t DMCtrlVolume(Channel c) = 0;
    virtual int32_t DMCtrlFreq(Channel c) = 0;

    // The player loads and starts Settings().MP3Path unless it is "...".
    virtual void InitMusic() = 0;
};

// Reads and writes "Qrvx" + computer name + ".ini". The file lives in the first
// of the candidate folders where it can be read or created; a file created there
// starts as a copy of the seed folder's file when that can be read (which is never
// written). Sound paths given as "..." are resolved against the program folder.
class SettingsFile {
public:
    static constexpr size_t MAX_LINES = 66;
    // The most the lines of the layout can hold; nothing after is read.
    static constexpr size_t MAX_BYTES = MAX_LINES * (MAX_LINE_BYTES + 2);

    // folders: where the file may live, best first (the program folder, then the per-user folder).
    // seedFolder: a folder whose file starts a missing one (the program folder, when it is not
    // among `folders`); empty: none.
    SettingsFile(std::filesystem::path programFolder, std::vector<std::filesystem::path> folders,
                 const std::string& computerName, const std::filesystem::path& seedFolder = {});

    // "Qrvx" + the name + ".ini", with characters no file name can hold replaced by "_", cut
    // so that the name and its temporary's stay within 255 bytes.
    static std::string File_Name(const std::string& computerName);
    // The 66 lines of a fresh file: every side window visible, every path "...".
    static std::vector<std::string> Default_Lines();

    // Reads the file and applies every value in file order; a value the settings window
    // cannot show reads as the nearest one it can. A missing file is created from the
    // seed or with the defaults and read; after a bad line the values already
    // applied stay, the rest take their defaults and the file is replaced by the
    // default file. When no folder allows reading or creating it, the seed's values or
    // the defaults apply.
    void Load_Settings(ISettingsTarget& target);
    // Writes the current state; false (the previous file intact) when it cannot be written.
    bool Save_Settings(ISettingsTarget& target);
    // Replaces the file with the default file; false when it cannot be written.
    bool Write_Default_Settings();

    // True when the last Load_Settings found no file of the player's (nor a seed) and took the defaults.
    bool Started_Fresh() const { return fresh_; }
    // The file in use; empty while no folder could hold it.
    const std::filesystem::path& File() const { return file_; }
    // The full path of a program file given with backslashes ("Sound\slowrays.wav"); a
    // folder or file whose letter case differs on disk is found under its real name.
    std::string Program_File(const std::string& relative) const;

private:
    static bool Read_Lines(const std::filesystem::path& file, std::vector<std::string>& lines);
    void Open_Lines(std::vector<std::string>& lines);
    bool Write_Somewhere(const std::vector<std::string>& lines);

    std::filesystem::path program_;
    std::vector<std::filesystem::path> folders_;
    std::string name_;
    std::filesystem::path seed_;
    std::filesystem::path file_;
    bool fresh_ = false;
};

} // namespace qv
