#pragma once
// One parser for every subcommand, built on QCommandLineParser from the command table.
#include <QCommandLineParser>
#include <QStringList>
#include <optional>

struct previewValues;

struct optionSpec {
    const char *shortName; // nullptr when there is none
    const char *longName;
    const char *valueName; // nullptr for a switch
    const char *description;
};

class commandArgs;

struct commandSpec {
    const char *name;
    const char *arguments;   // the synopsis of the positional arguments, "SYMBOLOGY [CONTENT]"
    const char *description; // "%1" stands for the symbology choices (cliText::describe)
    QVector<optionSpec> options;
    int minArguments;
    int maxArguments; // -1: any number
    int (*run)(const commandArgs &args);
};

// The parsed command line of one subcommand.
class commandArgs
{
public:
    commandArgs(const commandSpec &spec, const QCommandLineParser &parser);
    const QString &command() const { return name; }
    const QStringList &arguments() const { return positional; }
    bool isSet(const char *longName) const;
    QString value(const char *longName) const;
    // Prints the problem and where to find the usage on standard error; returns exit code 2.
    int usageError(const QString &problem) const;

private:
    QString name;
    QStringList positional;
    QStringList optionNames;
    const QCommandLineParser &parser;
};

// The exit codes every command uses.
enum exitCode { exitSuccess = 0, exitRefused = 1, exitFailed = 2 };

// Parses args (without "sprtool" and the command name) and runs the command; "--help" prints its usage.
int runCommand(const commandSpec &spec, const QStringList &args);
// The usage of one command, or of sprtool as a whole (spec null), with the table of exit codes.
QString helpText(const commandSpec *spec, const QVector<commandSpec> &all);
int usageProblem(const QString &command, const QString &problem);

// An option's number: true, with value unchanged, when the option is not given; false when its value is
// not a number in low..high (integers) or not a finite number above 0 (positive).
bool integerOption(const commandArgs &args, const char *name, int low, int high, int &value);
bool positiveOption(const commandArgs &args, const char *name, double &value);

// --at and --counter1/--counter2: the moment and counter values the printer prints with; values stays
// unset when none is given. The usage problem, or an empty text.
QString readPreviewOptions(const commandArgs &args, std::optional<previewValues> &values);
