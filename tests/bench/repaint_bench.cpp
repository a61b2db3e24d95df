// Repaint benchmark: how long a full repaint of the overlay takes, how much of that the
// three platform stages account for, how our embedded PNG decodes against other encodings
// of the same picture, what the repaints do to the working set, and what one tick of the
// topmost keeper costs. Run through tests/bench/run.sh; every figure comes from one run.
//
//   vireshade_repaint_bench.exe [--rounds N] REFERENCE.png [[LABEL=]EXTRA.png ...]
//
// Exit status: 0 every target met, 1 a target missed, 2 the benchmark could not run.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/globals.h"
#include "overlay/overlay_window.h"
#include "overlay/placement.h"
#include "overlay/tint.h"
#include "overlay/topmost_keeper.h"
#include "process_counters.h"
#include "runtime/application.h"
#include "runtime/handles.h"
#include "settings/settings_window.h"

namespace {

using namespace Gdiplus::DllExports;

// Green: the colour of the ImageMagick reference that run.sh encodes.
constexpr int kPreset = 3;
constexpr int kOpacityPosition = 128;
constexpr int kMemoryPhaseRepaints = 5;
constexpr int kKeeperTicks = 1000;
// More calls for the breakdown, whose single calls are far below the thread clock's step.
constexpr int kKeeperDetailCalls = 5000;

constexpr double kOverheadTarget = 0.05;
constexpr double kDecodeRatioTarget = 1.0;
constexpr double kWorkingSetReturnTargetMiB = 10.0;
constexpr double kKeeperTickTargetMs = 0.1;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "repaint_bench: %s\n", what);
  std::fflush(stderr);
  std::exit(2);
}

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

struct Stats {
  double median = 0;
  double min = 0;
  double max = 0;
};

Stats Summarise(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
  return {median, samples.front(), samples.back()};
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

const char* Verdict(bool met) { return met ? "PASS" : "MISS"; }

// ---- The painter's platform calls, one stage at a time, with the painter's arguments ----

// Declared so that, as in the painter, the image goes first, then its stream, then the
// memory block the stream reads.
struct DecodedImage {
  runtime::unique_hglobal block;
  runtime::unique_stream stream;
  runtime::unique_gp_image image;
  Gdiplus::REAL width = 0;
  Gdiplus::REAL height = 0;
};

DecodedImage Decode(std::string_view bytes) {
  DecodedImage decoded;
  decoded.block.reset(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  if (void* target = decoded.block ? GlobalLock(decoded.block.get()) : nullptr) {
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(decoded.block.get());
  }
  CreateStreamOnHGlobal(decoded.block.get(), FALSE, decoded.stream.put());
  if (decoded.stream) GdipLoadImageFromStream(decoded.stream.get(), decoded.image.put());
  if (decoded.image) GdipGetImageDimension(decoded.image.get(), &decoded.width, &decoded.height);
  return decoded;
}

// Declared so that it ends as in the painter: the selection undone, the DC deleted, then
// the bitmap.
struct Surface {
  runtime::unique_hbitmap bitmap;
  runtime::unique_mem_dc dc;
  runtime::select_object_guard selected;
  void* bits = nullptr;
  int width = 0;
  int height = 0;
};

Surface MakeSurface(HDC windowDc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = SurfaceSizeBytes(width, height);
  Surface surface;
  surface.width = width;
  surface.height = height;
  surface.dc.reset(CreateCompatibleDC(windowDc));
  surface.bitmap.reset(
      CreateDIBSection(surface.dc.get(), &info, DIB_RGB_COLORS, &surface.bits, nullptr, 0));
  surface.selected = runtime::select_object_guard(surface.dc.get(), surface.bitmap.get());
  return surface;
}

Gdiplus::GpStatus DrawInto(const Surface& surface, const DecodedImage& decoded) {
  runtime::unique_gp_graphics graphics;
  const Gdiplus::GpStatus created = GdipCreateFromHDC(surface.dc.get(), graphics.put());
  if (created != Gdiplus::Ok) return created;
  return GdipDrawImageRect(graphics.get(), decoded.image.get(), 0, 0, decoded.width,
                           decoded.height);
}

BOOL UpdateOverlay(HWND overlay, const Surface& surface, int alpha) {
  runtime::unique_window_dc windowDc(overlay);
  const ScreenPoint centred = CentredOnPrimaryScreen(
      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), surface.width, surface.height);
  POINT destination{centred.x, centred.y};
  POINT source{0, 0};
  SIZE size{surface.width, surface.height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, SourceConstantAlpha(alpha), AC_SRC_ALPHA};
  return UpdateLayeredWindow(overlay, windowDc.get(), &destination, &size, surface.dc.get(),
                             &source, 0, &blend, ULW_ALPHA);
}

// One timed stage; each returns milliseconds and stops the run when the platform refused,
// because a refused call is fast and would flatter the figures.
double TimeDecode(std::string_view bytes) {
  const double start = NowMs();
  {
    DecodedImage decoded = Decode(bytes);
    if (!decoded.image || decoded.width <= 0) Fail("GDI+ could not decode an image");
  }
  return NowMs() - start;
}

// The image is decoded afresh, untimed, because the painter draws each decoded image
// exactly once: a second draw of the same one might profit from work left by the first.
double TimeDraw(HWND overlay, std::string_view image) {
  const DecodedImage decoded = Decode(image);
  if (!decoded.image) Fail("GDI+ could not decode the image to draw");
  runtime::unique_window_dc windowDc(overlay);
  const double start = NowMs();
  {
    Surface surface = MakeSurface(windowDc.get(), static_cast<int>(decoded.width),
                                  static_cast<int>(decoded.height));
    if (!surface.bitmap) Fail("no DIB section for the surface");
    if (DrawInto(surface, decoded) != Gdiplus::Ok) Fail("GdipDrawImageRect failed");
  }
  return NowMs() - start;
}

// Puts the window where the repaint has it when its update comes: stretched over the
// screen, then moved to the top-left corner at the image's size. An update of a window
// already in place could cost less than the repaint's does.
void PlaceAsBeforeTheUpdate(HWND overlay, int width, int height) {
  OverlayWindow.SetTop(0);
  OverlayWindow.SetLeft(0);
  OverlayWindow.SetWidth(GetSystemMetrics(SM_CXSCREEN));
  OverlayWindow.SetHeight(GetSystemMetrics(SM_CYSCREEN));
  MoveWindow(overlay, 0, 0, width, height, FALSE);
}

// The placement's own time goes to *placing: it is no stage, but it is where a repaint's
// time beyond the stages would come from.
double TimeUpdate(HWND overlay, const Surface& surface, int alpha, double* placing) {
  const double placeStart = NowMs();
  PlaceAsBeforeTheUpdate(overlay, surface.width, surface.height);
  *placing = NowMs() - placeStart;
  const double start = NowMs();
  const BOOL updated = UpdateOverlay(overlay, surface, alpha);
  const double elapsed = NowMs() - start;
  if (!updated) Fail("UpdateLayeredWindow failed");
  return elapsed;
}

// The repaint is judged by what it leaves behind: a window of the image's size, centred
// on the primary screen, layered and click-through.
void CheckRepainted(HWND overlay, int width, int height) {
  RECT rect{};
  GetWindowRect(overlay, &rect);
  const ScreenPoint centred = CentredOnPrimaryScreen(GetSystemMetrics(SM_CXSCREEN),
                                                     GetSystemMetrics(SM_CYSCREEN), width, height);
  const LONG style = GetWindowLongW(overlay, GWL_EXSTYLE);
  if (rect.left != centred.x || rect.top != centred.y || rect.right - rect.left != width ||
      rect.bottom - rect.top != height ||
      (style & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) != (WS_EX_LAYERED | WS_EX_TRANSPARENT)) {
    Fail("the repaint did not leave the overlay centred, sized to the image and layered");
  }
}

double TimeRepaint(HWND overlay, std::string_view image, int width, int height) {
  const double start = NowMs();
  RepaintOverlay(image);
  const double elapsed = NowMs() - start;
  CheckRepainted(overlay, width, height);
  return elapsed;
}

// ---- Working-set sampling while repaints run ----

// The process peak counts every moment since start; this keeps the highest working set
// seen while it runs, so that the repaints' own peak is known.
class WorkingSetSampler {
 public:
  void Start() {
    running_ = true;
    thread_ = std::thread([this] {
      while (running_) {
        const bench::MemoryCounters now = bench::ReadMemoryCounters();
        std::uint64_t seen = peak_;
        while (now.workingSet > seen && !peak_.compare_exchange_weak(seen, now.workingSet)) {
        }
        // A repaint's peak lasts hundreds of milliseconds, and every reading makes the
        // system walk the process's memory map, which the repaint is busy changing.
        Sleep(10);
      }
    });
  }
  std::uint64_t Stop() {
    running_ = false;
    thread_.join();
    return peak_;
  }

 private:
  std::atomic<bool> running_{false};
  std::atomic<std::uint64_t> peak_{0};
  std::thread thread_;
};

// ---- Files on the command line ----

struct ImageFile {
  std::string label;
  std::string bytes;
};

ImageFile ReadImageFile(const std::string& argument) {
  ImageFile file;
  std::string path = argument;
  const std::size_t equals = argument.find('=');
  if (equals != std::string::npos && equals > 1) {
    file.label = argument.substr(0, equals);
    path = argument.substr(equals + 1);
  } else {
    file.label = argument;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "repaint_bench: cannot read %s\n", path.c_str());
    std::exit(2);
  }
  file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return file;
}

// ---- The topmost keeper's tick ----

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateForegroundWindow() {
  WNDCLASSW description{};
  description.lpfnWndProc = PlainWindowProc;
  description.hInstance = GetModuleHandleW(nullptr);
  description.lpszClassName = L"VireshadeBenchForeground";
  RegisterClassW(&description);
  HWND window = CreateWindowExW(0, description.lpszClassName, L"another program",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                nullptr, description.hInstance, nullptr);
  if (!window) Fail("cannot create the window that takes the foreground");
  SetForegroundWindow(window);
  PumpMessages();
  return window;
}

std::uint64_t ThreadCpu100ns() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto value = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return value(kernel) + value(user);
}

// The smallest step the thread-time clock takes, so that a per-tick figure can be read
// against the clock's resolution.
double ThreadClockStepMs() {
  const std::uint64_t first = ThreadCpu100ns();
  std::uint64_t next = first;
  const double deadline = NowMs() + 500;
  while (next == first && NowMs() < deadline) next = ThreadCpu100ns();
  return static_cast<double>(next - first) / 10000.0;
}

struct CallCost {
  double cpuMs = 0;   // this thread's user and kernel time, per call
  double wallMs = 0;  // per call, including what the window server did meanwhile
};

template <typename Call>
CallCost TimeCalls(int count, Call call) {
  const std::uint64_t cpuBefore = ThreadCpu100ns();
  const double wallBefore = NowMs();
  for (int i = 0; i < count; ++i) call();
  const double wall = NowMs() - wallBefore;
  const std::uint64_t cpu = ThreadCpu100ns() - cpuBefore;
  return {static_cast<double>(cpu) / 10000.0 / count, wall / count};
}

struct Options {
  int rounds = 7;
  std::vector<std::string> files;  // the reference first
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      options.rounds = std::atoi(argv[++i]);
    } else {
      options.files.emplace_back(argv[i]);
    }
  }
  if (options.rounds < 5 || options.files.empty()) {
    std::fprintf(stderr,
                 "usage: vireshade_repaint_bench [--rounds N>=5] REFERENCE.png "
                 "[[LABEL=]EXTRA.png ...]\n");
    std::exit(2);
  }
  return options;
}

void PrintRow(const char* name, const Stats& s) {
  std::printf("  %-52s %9.1f %9.1f %9.1f\n", name, s.median, s.min, s.max);
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  std::vector<ImageFile> others;
  for (const std::string& argument : options.files) others.push_back(ReadImageFile(argument));
  if (others.front().label == options.files.front()) others.front().label = "reference";

  const bench::MemoryCounters atStart = bench::ReadMemoryCounters();
  runtime::Initialise();
  InitGlobals();
  if (!SettingsWindow.Load()) Fail("the settings window cannot be loaded");
  HWND overlay = OverlayWindow.Handle();
  if (!overlay || OverlayHandle != overlay) Fail("the overlay window was not created");
  滑块条1.SetPosition(kOpacityPosition);
  滑块条2.SetPosition(kPreset);
  const int alpha = ConstantAlphaForOpacity(滑块条1.Position());
  const std::string_view preset = TintPreset(kPreset);
  if (preset.empty()) Fail("the preset is not embedded");

  // The size comes from the PNG header, so that no image of the benchmark's own is alive
  // while the memory is measured.
  if (preset.size() < 24) Fail("the embedded preset is too short for a PNG");
  auto headerWord = [&](std::size_t at) {
    const auto* b = reinterpret_cast<const unsigned char*>(preset.data()) + at;
    return static_cast<int>((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]);
  };
  const int width = headerWord(16);
  const int height = headerWord(20);
  PumpMessages();

  std::printf(
      "Vireshade repaint benchmark: preset %d (%dx%d, %zu bytes), opacity %d (alpha %d),"
      " screen %dx%d\n",
      kPreset, width, height, preset.size(), kOpacityPosition, SourceConstantAlpha(alpha),
      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

  // Memory: the settings window's load already painted once, so this is the program at
  // rest after its start.
  const bench::MemoryCounters idle = bench::ReadMemoryCounters();
  WorkingSetSampler sampler;
  sampler.Start();
  std::vector<double> memoryPhaseRepaints;
  for (int i = 0; i <= kMemoryPhaseRepaints; ++i) {  // the first warms up
    const double elapsed = TimeRepaint(overlay, preset, width, height);
    if (i > 0) memoryPhaseRepaints.push_back(elapsed);
    PumpMessages();
  }
  const std::uint64_t sampledPeak = sampler.Stop();
  PumpMessages();
  const bench::MemoryCounters after = bench::ReadMemoryCounters();

  // Timing: each round takes one repaint and one of each stage, so that any drift of the
  // machine's speed during the run touches all of them alike. The update stage shows a
  // surface drawn once beforehand; what it holds does not change what the call does.
  Surface shown;
  {
    const DecodedImage decoded = Decode(preset);
    if (!decoded.image || decoded.width != width || decoded.height != height) {
      Fail("GDI+ cannot decode the embedded preset to its header's size");
    }
    runtime::unique_window_dc windowDc(overlay);
    shown = MakeSurface(windowDc.get(), width, height);
    if (!shown.bitmap || DrawInto(shown, decoded) != Gdiplus::Ok) Fail("cannot prepare a surface");
  }
  for (const ImageFile& file : others) {
    const DecodedImage decoded = Decode(file.bytes);
    if (!decoded.image || decoded.width != width || decoded.height != height) {
      std::fprintf(stderr, "repaint_bench: %s is not a %dx%d image GDI+ can decode\n",
                   file.label.c_str(), width, height);
      return 2;
    }
  }
  const std::uint32_t centrePixel =
      static_cast<const std::uint32_t*>(shown.bits)[(height / 2) * width + width / 2];
  std::vector<double> repaints, decodes, draws, updates, placements;
  for (int round = 0; round < options.rounds; ++round) {
    repaints.push_back(TimeRepaint(overlay, preset, width, height));
    PumpMessages();
    decodes.push_back(TimeDecode(preset));
    draws.push_back(TimeDraw(overlay, preset));
    double placing = 0;
    updates.push_back(TimeUpdate(overlay, shown, alpha, &placing));
    placements.push_back(placing);
    PumpMessages();
  }
  const Stats repaint = Summarise(repaints);
  const Stats decode = Summarise(decodes);
  const Stats draw = Summarise(draws);
  const Stats update = Summarise(updates);
  const double stageSum = decode.median + draw.median + update.median;
  const double overhead = repaint.median / stageSum - 1.0;
  // The same ratio taken within each round, whose parts ran back to back: a check on the
  // figure above when other work on the machine slowed some rounds more than others.
  std::vector<double> pairedOverheads;
  for (std::size_t i = 0; i < repaints.size(); ++i) {
    pairedOverheads.push_back(repaints[i] / (decodes[i] + draws[i] + updates[i]) - 1.0);
  }
  const Stats paired = Summarise(pairedOverheads);

  // Decoding: the embedded preset against the files, interleaved the same way.
  std::vector<std::vector<double>> decodeTimes(others.size() + 1);
  for (int round = 0; round < options.rounds; ++round) {
    decodeTimes[0].push_back(TimeDecode(preset));
    for (std::size_t i = 0; i < others.size(); ++i) {
      decodeTimes[i + 1].push_back(TimeDecode(others[i].bytes));
    }
  }
  std::vector<Stats> decodeStats;
  for (const auto& times : decodeTimes) decodeStats.push_back(Summarise(times));
  const double decodeRatio = decodeStats[0].median / decodeStats[1].median;

  // The keeper's tick, with another window in the foreground so that it raises.
  HWND foreground = CreateForegroundWindow();
  const bool foregroundTaken = GetForegroundWindow() == foreground;
  ULONG64 cyclesBefore = 0;
  const bool haveCycles = QueryThreadCycleTime(GetCurrentThread(), &cyclesBefore) != FALSE;
  const CallCost tick = TimeCalls(kKeeperTicks, KeepOverlayOnTop);
  ULONG64 cyclesAfter = 0;
  if (haveCycles) QueryThreadCycleTime(GetCurrentThread(), &cyclesAfter);
  const bool overlayTopmost = (GetWindowLongW(overlay, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const bool foregroundTopmost = (GetWindowLongW(foreground, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  const bool foregroundKept = GetForegroundWindow() == foreground;
  // Where a tick's time goes: the question it asks, and one of its two raises.
  const CallCost ask = TimeCalls(kKeeperDetailCalls, [] { GetForegroundWindow(); });
  const CallCost raise = TimeCalls(kKeeperDetailCalls, [overlay] {
    SetWindowPos(overlay, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  });
  const double clockStep = ThreadClockStepMs();
  DestroyWindow(foreground);

  // ---- Report ----
  std::printf(
      "\nTimes in ms; %d rounds, each one repaint then one of each stage"
      " (GDI+ decode of the embedded preset, centre pixel drawn 0x%08X)\n",
      options.rounds, static_cast<unsigned>(centrePixel));
  std::printf("  %-52s %9s %9s %9s\n", "", "median", "min", "max");
  PrintRow("RepaintOverlay (full)", repaint);
  PrintRow("decode: HGLOBAL copy, stream, GdipLoadImageFromStream", decode);
  PrintRow("draw: fresh 32-bit DIB section, GdipDrawImageRect", draw);
  PrintRow("update: UpdateLayeredWindow ULW_ALPHA on the overlay", update);
  std::printf("  %-52s %9.1f\n", "sum of the stage medians", stageSum);
  PrintRow("not a stage: the repaint's window moves before update", Summarise(placements));
  std::printf(
      "  (decode and draw include releasing what they made, as the painter does; each\n"
      "   update follows the repaint's moves of the window, timed on the last row)\n");
  const bool overheadMet = overhead <= kOverheadTarget;
  std::printf("  overhead = repaint median / stage sum - 1 = %+.1f%%   target <= %.0f%%   %s\n",
              overhead * 100.0, kOverheadTarget * 100.0, Verdict(overheadMet));
  std::printf("  (within each round: median %+.1f%%, min %+.1f%%, max %+.1f%%)\n",
              paired.median * 100.0, paired.min * 100.0, paired.max * 100.0);

  std::printf("\nGDI+ decode, same calls, interleaved, %d runs each (ms)\n", options.rounds);
  std::printf("  %-52s %9s %9s %9s %9s\n", "", "median", "min", "max", "bytes");
  auto decodeRow = [&](const std::string& name, const Stats& s, std::size_t bytes) {
    std::printf("  %-52s %9.1f %9.1f %9.1f %9zu\n", name.c_str(), s.median, s.min, s.max, bytes);
  };
  decodeRow("ours: embedded preset " + std::to_string(kPreset), decodeStats[0], preset.size());
  for (std::size_t i = 0; i < others.size(); ++i) {
    decodeRow(others[i].label, decodeStats[i + 1], others[i].bytes.size());
  }
  const bool decodeMet = decodeRatio <= kDecodeRatioTarget;
  std::printf("  ours / %s = %.2f   target <= %.2f   %s\n", others[0].label.c_str(), decodeRatio,
              kDecodeRatioTarget, Verdict(decodeMet));
  for (std::size_t i = 1; i < others.size(); ++i) {
    std::printf("  %s / %s = %.2f\n", others[i].label.c_str(), others[0].label.c_str(),
                decodeStats[i + 1].median / decodeStats[1].median);
  }

  const Stats memoryPhase = Summarise(memoryPhaseRepaints);
  const double returnMiB =
      (static_cast<double>(after.workingSet) - static_cast<double>(idle.workingSet)) / bench::kMiB;
  const bool memoryMet =
      idle.valid && after.valid && std::abs(returnMiB) <= kWorkingSetReturnTargetMiB;
  std::printf(
      "\nWorking set, %d repaints after a warm-up (these took median %.1f ms,"
      " min %.1f, max %.1f)\n",
      kMemoryPhaseRepaints, memoryPhase.median, memoryPhase.min, memoryPhase.max);
  std::printf("  %-52s %9.1f MiB\n", "at process start (before any window)",
              atStart.workingSet / bench::kMiB);
  std::printf("  %-52s %9.1f MiB\n", "idle: windows loaded, first paint done",
              idle.workingSet / bench::kMiB);
  std::printf("  %-52s %9.1f MiB\n", "peak during the repaints (sampled every 10 ms)",
              sampledPeak / bench::kMiB);
  std::printf("  %-52s %9.1f MiB\n", "process peak so far (PeakWorkingSetSize)",
              after.peakWorkingSet / bench::kMiB);
  std::printf("  %-52s %9.1f MiB\n", "after the repaints", after.workingSet / bench::kMiB);
  std::printf("  after - idle = %+.1f MiB   target within %.0f MiB   %s\n", returnMiB,
              kWorkingSetReturnTargetMiB, Verdict(memoryMet));
  std::printf("  private bytes idle %.1f MiB, after %.1f MiB (%s)\n",
              idle.privateBytes / bench::kMiB, after.privateBytes / bench::kMiB,
              after.privateSource);

  const bool keeperValid =
      foregroundTaken && foregroundKept && overlayTopmost && !foregroundTopmost;
  const bool keeperMet = keeperValid && tick.cpuMs < kKeeperTickTargetMs;
  std::printf("\nTopmost keeper, %d ticks with another window in the foreground%s\n", kKeeperTicks,
              keeperValid ? "" : " (NOT VALID: the foreground or the raise did not take)");
  std::printf(
      "  (ms per call; thread CPU is user + kernel time of this thread, whose clock"
      " steps by %.1f ms)\n",
      clockStep);
  std::printf("  %-52s %9s %9s\n", "", "CPU", "wall");
  std::printf("  %-52s %9.4f %9.4f\n", "KeepOverlayOnTop (tick)", tick.cpuMs, tick.wallMs);
  std::printf("  %-52s %9.4f %9.4f\n", "  of it: GetForegroundWindow alone", ask.cpuMs, ask.wallMs);
  std::printf("  %-52s %9.4f %9.4f\n", "  of it: one SetWindowPos raise alone", raise.cpuMs,
              raise.wallMs);
  if (haveCycles) {
    std::printf("  thread cycles per tick: %.0f\n",
                static_cast<double>(cyclesAfter - cyclesBefore) / kKeeperTicks);
  } else {
    std::printf("  thread cycles per tick: QueryThreadCycleTime unavailable here\n");
  }
  std::printf("  CPU per tick = %.4f ms   target < %.1f ms   %s\n", tick.cpuMs, kKeeperTickTargetMs,
              Verdict(keeperMet));

  std::printf("\nSummary: overhead %s, decode ratio %s, working set %s, keeper tick %s\n",
              Verdict(overheadMet), Verdict(decodeMet), Verdict(memoryMet), Verdict(keeperMet));
  std::fflush(stdout);
  return overheadMet && decodeMet && memoryMet && keeperMet ? 0 : 1;
}
