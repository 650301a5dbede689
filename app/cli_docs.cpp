// The man page and the bash completion, generated from the command
// definitions themselves (the build runs `versalix4 --man-page` and
// `versalix4 --bash-completion`), so that they list exactly the commands
// and options the program takes.
#include <iostream>
#include <sstream>

#include "app/cli.h"

namespace vx::app {

namespace {

// Text for roff: backslashes and leading dots or quotes escaped, dashes
// kept as typed.
std::string Roff(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else if (lineStart && (c == '.' || c == '\'')) out += std::string("\\&") + c;
    else out += c;
    lineStart = c == '\n';
  }
  return out;
}

// "-o, --output" or "input": how an option is typed.
std::string OptionNames(const CLI::Option& option) {
  if (option.get_positional()) return option.get_name(true, false);
  std::string names;
  for (const std::string& s : option.get_snames()) names += (names.empty() ? "-" : ", -") + s;
  for (const std::string& l : option.get_lnames()) names += (names.empty() ? "--" : ", --") + l;
  return names;
}

std::vector<const CLI::Option*> Shown(const CLI::App& command) {
  std::vector<const CLI::Option*> options;
  for (const CLI::Option* o : command.get_options())
    if (!o->get_group().empty() && o->get_name() != "--help") options.push_back(o);
  return options;
}

void ManPage(const CLI::App& app, const std::string& version, std::ostream& out) {
  out << ".TH VERSALIX4 1 \"\" \"" << Roff(version) << "\" \"User Commands\"\n"
      << ".SH NAME\nversalix4 \\- " << Roff(app.get_description().substr(0, app.get_description().find('\n')))
      << "\n.SH SYNOPSIS\n.B versalix4\n.I COMMAND\n[\\fIOPTIONS\\fR]\n"
      << ".SH DESCRIPTION\n" << Roff(app.get_description()) << "\n"
      << "Every command explains itself with \\fBversalix4 \\fICOMMAND\\fB \\-\\-help\\fR.\n"
      << ".SH COMMANDS\n";
  for (const CLI::App* command : app.get_subcommands({})) {
    out << ".SS \"versalix4 " << Roff(command->get_name()) << "\"\n"
        << Roff(command->get_description()) << "\n";
    std::string group;
    for (const CLI::Option* o : Shown(*command)) {
      if (o->get_group() != group && o->get_group() != "Options" && o->get_group() != "Positionals")
        out << ".PP\n\\fI" << Roff(o->get_group()) << "\\fR\n";
      group = o->get_group();
      out << ".TP\n\\fB" << Roff(OptionNames(*o)) << "\\fR\n" << Roff(o->get_description()) << "\n";
    }
  }
  out << ".SH EXIT STATUS\n0 success, 1 the operation failed or the plug-in warned, 2 the "
         "command line is wrong, 3 a file could not be read or written, 4 an internal fault.\n";
}

void BashCompletion(const CLI::App& app, std::ostream& out) {
  std::string commands;
  std::ostringstream cases;
  for (const CLI::App* command : app.get_subcommands({})) {
    commands += (commands.empty() ? "" : " ") + command->get_name();
    std::string options;
    for (const CLI::Option* o : Shown(*command))
      if (!o->get_positional())
        for (const std::string& l : o->get_lnames()) options += (options.empty() ? "--" : " --") + l;
    cases << "    " << command->get_name() << ") options=\"" << options << "\" ;;\n";
  }
  out << "# bash completion for versalix4, generated from its command definitions\n"
      << "_versalix4() {\n"
      << "  local cur=${COMP_WORDS[COMP_CWORD]} options\n"
      << "  if [[ $COMP_CWORD -eq 1 ]]; then\n"
      << "    COMPREPLY=($(compgen -W \"" << commands << " --help --version\" -- \"$cur\"))\n"
      << "    return\n  fi\n"
      << "  case ${COMP_WORDS[1]} in\n" << cases.str() << "  esac\n"
      << "  if [[ $cur == -* ]]; then\n"
      << "    COMPREPLY=($(compgen -W \"$options --help\" -- \"$cur\"))\n"
      << "  else\n    COMPREPLY=($(compgen -f -- \"$cur\"))\n  fi\n}\n"
      << "complete -o filenames -F _versalix4 versalix4\n";
}

}  // namespace

void AddDocumentGenerators(CLI::App& app, const std::string& version) {
  // Hidden (no group): for the build, not for users.
  app.add_flag_callback("--man-page", [&app, version] {
       ManPage(app, version, std::cout);
       throw CLI::Success();
     })
      ->group("")
      ->trigger_on_parse();
  app.add_flag_callback("--bash-completion", [&app] {
       BashCompletion(app, std::cout);
       throw CLI::Success();
     })
      ->group("")
      ->trigger_on_parse();
}

}  // namespace vx::app
