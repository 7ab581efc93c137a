#include "script.h"

#include <sstream>
#include <stdexcept>

namespace {

int64_t Number(std::istringstream& in, int line) {
  int64_t v = 0;
  if (!(in >> v)) throw std::runtime_error("line " + std::to_string(line) + ": a number is missing");
  return v;
}

}  // namespace

std::vector<ScriptStep> ParseScript(const std::string& text) {
  std::vector<ScriptStep> steps;
  std::istringstream lines(text);
  std::string raw;
  int line = 0;
  while (std::getline(lines, raw)) {
    ++line;
    if (const auto hash = raw.find('#'); hash != std::string::npos) raw.erase(hash);
    std::istringstream in(raw);
    std::string word;
    if (!(in >> word)) continue;
    ScriptStep step;
    step.line = line;
    if (word == "seed") {
      step.kind = ScriptStep::Kind::Seed;
      step.a = Number(in, line);
    } else if (word == "start") {
      step.kind = ScriptStep::Kind::Start;
    } else if (word == "return") {
      step.kind = ScriptStep::Kind::Return;
    } else if (word == "frames") {
      step.kind = ScriptStep::Kind::Frames;
      step.a = Number(in, line);
      if (step.a < 0) throw std::runtime_error("line " + std::to_string(line) + ": frames cannot be negative");
    } else if (word == "press" || word == "release" || word == "click" || word == "move") {
      step.kind = word == "press"     ? ScriptStep::Kind::Press
                  : word == "release" ? ScriptStep::Kind::Release
                  : word == "click"   ? ScriptStep::Kind::Click
                                      : ScriptStep::Kind::Move;
      step.a = Number(in, line);
      step.b = Number(in, line);
      std::string button;
      if (in >> button) {
        if (button != "right" && button != "left")
          throw std::runtime_error("line " + std::to_string(line) + ": unknown button '" + button + "'");
        step.right = button == "right";
      }
    } else if (word == "key") {
      step.kind = ScriptStep::Kind::Key;
      step.a = Number(in, line);
    } else if (word == "shot" || word == "dialogshot") {
      step.kind = word == "shot" ? ScriptStep::Kind::Shot : ScriptStep::Kind::DialogShot;
      if (!(in >> step.file)) throw std::runtime_error("line " + std::to_string(line) + ": shot needs a file name");
    } else if (word == "hidden") {
      step.kind = ScriptStep::Kind::Hidden;
      if (!(in >> step.file)) throw std::runtime_error("line " + std::to_string(line) + ": hidden needs a file name");
    } else if (word == "boxshot") {
      step.kind = ScriptStep::Kind::BoxShot;
      if (!(in >> step.file)) throw std::runtime_error("line " + std::to_string(line) + ": shot needs a file name");
      std::getline(in >> std::ws, step.text);
      while (!step.text.empty() && (step.text.back() == ' ' || step.text.back() == '\r')) step.text.pop_back();
    } else {
      throw std::runtime_error("line " + std::to_string(line) + ": unknown step '" + word + "'");
    }
    std::string extra;
    if (in >> extra) throw std::runtime_error("line " + std::to_string(line) + ": unexpected '" + extra + "'");
    steps.push_back(step);
  }
  return steps;
}
