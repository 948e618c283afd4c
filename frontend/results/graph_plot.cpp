#include "results/graph_plot.h"

#include <algorithm>

#include "results/general_number.h"

namespace corvex {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// Replaces the first symbol of `symbols` that occurs in the text (every occurrence of it).
void ReplaceFirstFound(std::string& text, const char* const (&symbols)[3],
                       const char* const (&names)[3]) {
  for (int i = 0; i < 3; ++i) {
    if (text.find(symbols[i]) != std::string::npos) {
      ReplaceAll(text, symbols[i], names[i]);
      return;
    }
  }
}

}  // namespace

std::string UnitLabel(const std::string& code, int units) {
  if (units != 1 && units != 2) return code;
  const bool english = units == 1;
  std::string text = code;
  static const char* const force[3] = {"F2", "F1", "F"};
  static const char* const length[3] = {"L2", "L1", "L"};
  if (english) {
    ReplaceFirstFound(text, force, {"tons", "kips", "lbs"});
    ReplaceFirstFound(text, length, {"ft", "in", "in"});
  } else {
    ReplaceFirstFound(text, force, {"kN", "kN", "kN"});
    ReplaceFirstFound(text, length, {"m", "mm", "m"});
  }
  return text;
}

TGraphPlot::~TGraphPlot() {
  if (window_ != nullptr) {
    TPlotWindow* window = window_;
    window_ = nullptr;
    window->Destroy();
  }
}

void TGraphPlot::SetUnits(int units) { units_ = std::clamp(units, 1, 3); }

void TGraphPlot::ResizeList(std::vector<TLine>& list, int n) {
  n = std::max(n, 0);
  const std::size_t pointCount = list.empty() ? 0 : list.front().Points.size();
  if (static_cast<std::size_t>(n) < list.size()) {
    list.resize(static_cast<std::size_t>(n));
    return;
  }
  while (list.size() < static_cast<std::size_t>(n)) {
    TLine curve;
    curve.Points.resize(pointCount);
    curve.Number = static_cast<double>(list.size() + 1);
    list.push_back(std::move(curve));
  }
}

void TGraphPlot::ResizePoints(std::vector<TLine>& list, int n) {
  n = std::max(n, 0);
  for (TLine& curve : list) curve.Points.resize(static_cast<std::size_t>(n));
}

void TGraphPlot::SetLineCount(int n) { ResizeList(lines_, n); }
void TGraphPlot::SetPointCount(int n) { ResizePoints(lines_, n); }
void TGraphPlot::SetLayerCount(int n) { ResizeList(layers_, n); }
void TGraphPlot::SetLayerPointCount(int n) { ResizePoints(layers_, n); }

int TGraphPlot::PointCount() const {
  return lines_.empty() ? 0 : static_cast<int>(lines_.front().Points.size());
}

std::string TGraphPlot::DisplayName(const TLine& curve) const {
  if (!curve.Name.empty()) return curve.Name;
  return CurveName + FormatGeneral(curve.Number, 15);
}

void TGraphPlot::ShowPlot() {
  if (window_ == nullptr) {
    if (!factory_) return;
    window_ = factory_(*this);
    if (window_ == nullptr) return;
  }
  window_->ShowAndRaise();
}

void TGraphPlot::WindowClosed(const TPlotWindow* window) {
  if (window_ == window) window_ = nullptr;
}

}  // namespace corvex
