// versalix4 fractalize: the Fractalize filter on the selected paths, or
// with --live the Fractalize live effect on each selected object, with its
// dialog driven by the command's options, as a person would fill it in and
// press OK.
#include <algorithm>
#include <cctype>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "app/cli.h"
#include "app/console_agent.h"
#include "app/document_files.h"
#include "app/fractalize_options.h"
#include "app/plugin_catalog.h"
#include "generated/resource_ids.h"
#include "host/adm/dialog.h"
#include "host/adm/dialog_manager.h"
#include "host/art/document_set.h"
#include "host/core/messages.h"
#include "host/core/registrations.h"
#include "host/core/user_interaction.h"
#include "host/io/atomic_file.h"
#include "host/live/live_effect_apply.h"
#include "host/live/live_effect_instance.h"
#include "host/live/live_effect_render.h"
#include "host/svg/svg_effect_art.h"
#include "host/svg/svg_export.h"

namespace vx::app {

namespace adm = host::adm;

namespace {

namespace Items = res::FractalizeDialog;

}  // namespace

class FractalizeAgent : public DialogFillingAgent {
 public:
  FractalizeAgent(const FractalizeOptions& options, ConsoleAgent& console)
      : DialogFillingAgent(res::kFractalizeDialog, "fractalize", console), options_(options) {}

 private:
  void Fill(adm::DialogDriver& driver) override {
    StartFromDefaults(driver, Items::kPresetMenu, options_.last);
    if (!options_.generator.empty() && !ChooseGenerator(driver)) return;
    if (options_.height) SetNumber(driver, Items::kHeight, *options_.height, "--height", "%");
    if (options_.level) ChooseLevel(driver, *options_.level);
    if (options_.density) SetNumber(driver, Items::kDensity, *options_.density, "--density", "/in");
    if (!options_.unit.empty()) {
      adm::Item* label = driver.dialog().GetItem(Items::kUnitLabel);
      const bool points = label && label->Text() == "pt";
      if (points != (options_.unit == "pt")) Check(driver.Press(Items::kUnitFrame));
    }
    if (options_.distortion) {
      adm::Item* label = driver.dialog().GetItem(Items::kUnitLabel);
      const bool points = label && label->Text() == "pt";
      SetNumber(driver, points ? Items::kUnevenPoints : Items::kUnevenPercent, *options_.distortion,
                "--distortion", label ? label->Text() : "");
    }
  }
  // The level popup's entries are the levels, from 1.
  void ChooseLevel(adm::DialogDriver& driver, int level) {
    adm::Item* popup = driver.dialog().GetItem(Items::kLevel);
    const int count = popup && popup->list() ? popup->list()->Count() : 0;
    if (level < 1 || level > count)
      return Fail("--level takes 1 to " + std::to_string(count) + ", not " + std::to_string(level));
    Check(driver.Choose(Items::kLevel, level - 1));
  }
  // By number (1 .. 14) or by the name the popup shows (any case).
  bool ChooseGenerator(adm::DialogDriver& driver) {
    adm::Item* popup = driver.dialog().GetItem(Items::kGenerator);
    adm::List* list = popup ? popup->list() : nullptr;
    if (!list) {
      Fail("the dialog has no generator popup");
      return false;
    }
    int index = -1;
    const std::string& g = options_.generator;
    if (!g.empty() && g.size() < 6 &&
        std::all_of(g.begin(), g.end(), [](unsigned char c) { return std::isdigit(c); })) {
      index = std::stoi(g) - 1;
    } else {
      for (int32_t i = 0; i < list->Count(); ++i)
        if (Lower(list->At(i)->text) == Lower(g)) index = i;
    }
    if (index < 0 || index >= list->Count()) {
      std::string why = "no generator \"" + g + "\"; the generators are:";
      for (int32_t i = 0; i < list->Count(); ++i)
        why += (i ? ", " : " ") + std::to_string(i + 1) + " \"" + list->At(i)->text + "\"";
      Fail(why);
      return false;
    }
    Check(driver.Choose(Items::kGenerator, index));
    return true;
  }

  const FractalizeOptions& options_;
};

namespace {

// Runs `run` with the dialog agent filled from the options; answers the exit
// code for the plug-in's result.
int WithFractalizeAgent(host::Host& host, const FractalizeOptions& options,
                        const std::function<int32_t()>& run) {
  ConsoleAgent console(host, std::cerr);
  FractalizeAgent agent(options, console);
  host.dialogs().SetAgent(&agent);
  if (options.seed) host.user().FixTickCount(*options.seed);
  const int32_t result = run();
  host.dialogs().SetAgent(nullptr);
  if (agent.failed()) return kExitUsage;
  if (result) return ReportFailure("fractalize", result);
  return kExitOk;
}

}  // namespace

int RunFractalizeFilter(host::Host& host, const FractalizeOptions& options) {
  host::Filter* filter = host.registrations().FilterTitled(
      FilterTitle(*host.plugin(), kVxPresetOwnerFractalize));
  if (!filter) {
    std::cerr << "versalix4: the plug-in registered no Fractalize filter\n";
    return kExitInternal;
  }
  auto handle = reinterpret_cast<AIFilterHandle>(filter);
  return WithFractalizeAgent(host, options, [&] {
    int32_t result = host::SendFilterGetParameters(host, handle);
    if (result == 0) result = host::SendFilterGo(host, handle);
    return result;
  });
}

int RunFractalizeLiveEffect(host::Host& host, host::art::Document& doc,
                            const std::vector<host::art::Art*>& targets,
                            const FractalizeOptions& options) {
  const std::string effectName = FractalizeEffectName(*host.plugin());
  if (!host::live::FindLiveEffect(host, effectName)) {
    std::cerr << "versalix4: the plug-in registered no Fractalize live effect\n";
    return kExitInternal;
  }
  return WithFractalizeAgent(host, options, [&]() -> int32_t {
    return host::live::ApplyOrEditLiveEffect(host, doc, effectName, targets);
  });
}

int FractalizeDocument(const CommonOptions& common, const std::string& input,
                       const FractalizeOptions& options, std::string* svgText,
                       const std::function<int()>& save) {
  svg::ImportResult document;
  if (int code = ReadSvgDocument(input, &document, kHeapPerByteFractalized)) return code;
  return RunOnDocument(
      common, document,
      [&](host::Host& host, host::art::Document& doc, const std::vector<host::art::Art*>& selection) {
        if (int code = RequirePaths(host, selection, "fractalize")) return code;
        const ChangeWatch watch(selection);
        FractalizeOptions run = options;
        run.last = common.last;
        const int code = options.live ? RunFractalizeLiveEffect(host, doc, selection, run)
                                      : RunFractalizeFilter(host, run);
        if (code != kExitOk) return code;
        // The live effect keeps its source as it is and draws its result.
        const std::string unchanged =
            options.live ? "" : watch.Check("fractalize",
                                            "Fractalize leaves a path as it was when it would "
                                            "pass 8000 segments: try a lower --level or "
                                            "--density");
        return FinishDocument(host, common, doc, &document.kept, {unchanged}, svgText, save);
      });
}

void SetUpFractalizeCommand(CLI::App& app, CommonOptions& common, int& exitCode) {
  CLI::App* cmd = app.add_subcommand(
      "fractalize",
      "Replace every span of the selected paths by a generator shape (the Fractalize filter, "
      "or with --live the live effect)");
  if (!SetsUpOptions(*cmd, common)) return;
  static std::string input, output;
  static FractalizeOptions options;
  cmd->add_option("input", input, "The SVG file to read")->required();
  AddOutputOptions(*cmd, output, common, "The SVG file");
  AddFractalizeOptions(*cmd, options);
  AddLastOption(*cmd, common);
  AddCommonOptions(*cmd, common);
  cmd->callback([&common, &exitCode] {
    if ((exitCode = CheckOutputTarget(input, output, common))) return;
    std::string svgText;
    exitCode = FractalizeDocument(common, input, options, &svgText,
                                  [&] { return WriteOutputFile(output, svgText); });
  });
}

}  // namespace vx::app
