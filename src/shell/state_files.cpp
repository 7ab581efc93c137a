#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/varnix.h"
#include "platform/application.h"
#include "platform/data_folder.h"
#include "platform/file_system.h"
#include "platform/folder_lock.h"
#include "platform/framework_error.h"
#include "platform/utf8_path.h"
#include "platform/window.h"
#include "shell/satellite.h"
#include "shell/state_folder.h"

namespace shell {

namespace {

// Loads a state file. `write` tells whether the file may be written at quit:
// a missing file may, a file that is there but cannot be read may not, since
// its lines would be lost.
void LoadStateFile(StringList& list, bool& write, const std::string& path) {
  write = platform::NothingAt(path);
  list.LoadFromFile(path);
  write = true;
}

// The stored place when the window would stand past the far edge; there is
// no clamp at the near edge. Wide arithmetic keeps a huge value from wrapping.
int32_t ClampToScreen(int32_t place, int32_t size, int32_t screen) {
  if (static_cast<int64_t>(place) + size > screen) return screen - size;
  return place;
}

void SaveStateFile(platform::Application& app, const StringList& list, bool write, const std::string& path) {
  if (!write) return;
  // One file that cannot be saved keeps neither the others nor the quit from
  // going ahead.
  try {
    list.SaveToFile(path);
  } catch (const platform::FrameworkError& error) {
    app.ShowException(error);
  }
}

// The best totals another copy of the game may have saved: the lines of the
// score.log at `path` up to the first that is no number, as at start. A file
// that is missing or cannot be read holds none, and stops nothing.
std::vector<int32_t> SavedRecords(const std::string& path) {
  StringList list;
  try {
    list.LoadFromFile(path);
  } catch (const platform::FrameworkError&) {
    return {};
  }
  std::vector<int32_t> records;
  for (int32_t i = 0; i < 4 && static_cast<size_t>(i) < list.Count(); ++i) {
    try {
      records.push_back(StrToInt(list.Line(i)));
    } catch (const platform::FrameworkError&) {
      break;
    }
  }
  return records;
}

}  // namespace

void TSatellite::TakeBetterSavedRecords() {
  if (Game == nullptr || Game->DataPath.empty()) return;
  const std::vector<int32_t> saved = SavedRecords(Game->DataPath + "score.log");
  for (size_t i = 0; i < saved.size(); ++i) Game->State.HighScore[i] = std::max(Game->State.HighScore[i], saved[i]);
}

void TSatellite::ReadStateFiles() {
  FreeStateLists();
  if (Game == nullptr) return;
  Game->WavePath = platform::InFolder(platform::DataFolderOf(App().ExeName()), "WAVE/");
  const StateFolder stateFolder =
      ChooseStateFolder(platform::DirectoryOf(App().ExeName()), CurrentUserEnvironment());
  Game->DataPath = stateFolder.path;
  // A folder that cannot be made stops the reading here: the game goes on
  // with its defaults and writes nothing at quit.
  PrepareStateFolder(stateFolder);

  const platform::Size screen = Windows().ScreenSize();
  LoadStateFile(WinStateList, writeWinState_, Game->DataPath + "win_state.log");
  // The place is in screen pixels, against the window as the desktop's scale
  // enlarges it.
  const int32_t scale = Windows().Scale();
  Game->SetTop(ClampToScreen(StrToInt(WinStateList.Line(0)), 480 * scale, screen.height));
  Game->SetLeft(ClampToScreen(StrToInt(WinStateList.Line(1)), 640 * scale, screen.width));
  Game->Window.FullScreen = StrToInt(WinStateList.Line(2)) == 0 ? 1 : 0;

  LoadStateFile(SelectGameList, writeSelectGame_, Game->DataPath + "select_game.log");
  Game->State.SizeIndex = StrToInt(SelectGameList.Line(0));

  LoadStateFile(ScoreList, writeScore_, Game->DataPath + "score.log");
  for (int32_t i = 0; i < 4; ++i) Game->State.HighScore[i] = StrToInt(ScoreList.Line(i));
}

void TSatellite::WriteStateFiles() {
  if (Game == nullptr) return;
  // Another copy may have saved a better record since this one read score.log,
  // and two copies may quit at once: the records on disk are read and the new
  // file renamed into place under one lock, and no record goes down.
  const platform::FolderLock lock(Game->DataPath);
  if (writeScore_) TakeBetterSavedRecords();
  const game::WindowState& window = Game->Window;
  if (window.FullScreen != 0) {
    WinStateList.SetLine(0, std::to_string(window.WindowedTop));
    WinStateList.SetLine(1, std::to_string(window.WindowedLeft));
    WinStateList.SetLine(2, "0");
  } else {
    WinStateList.SetLine(0, std::to_string(Game->Top()));
    WinStateList.SetLine(1, std::to_string(Game->Left()));
    WinStateList.SetLine(2, "1");
  }
  SelectGameList.SetLine(0, std::to_string(Game->State.SizeIndex));
  for (int32_t i = 0; i < 4; ++i) ScoreList.SetLine(i, std::to_string(Game->State.HighScore[i]));

  SaveStateFile(App(), WinStateList, writeWinState_, Game->DataPath + "win_state.log");
  SaveStateFile(App(), SelectGameList, writeSelectGame_, Game->DataPath + "select_game.log");
  SaveStateFile(App(), ScoreList, writeScore_, Game->DataPath + "score.log");
}

}  // namespace shell
