#pragma once

#include "app/qt/IPlatformServices.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Answers the program's dialogs from scripted queues and records every
// message shown, so tests run without a person at the screen.
class FakeServices : public IPlatformServices {
public:
    QStringList messages;
    QStringList details; // the detail of each failure, in step with its message
    QStringList questions;
    std::deque<Answer> answers;    // for askYesNoCancel; Cancel when empty
    std::deque<bool> yesNoAnswers; // for askYesNo; No when empty
    std::deque<QString> openNames; // "" when empty
    std::deque<QString> saveNames; // "" when empty
    QStringList shellOpened;
    bool shellSucceeds = true;
    QStringList addressesOpened;
    int saveDialogs = 0;
    // Called with each question as it is asked, while its dialog would show.
    std::function<void(const QString& text)> onQuestion;

    void message(QWidget*, const QString& text, const QString&) override { messages << text; }
    void failure(QWidget*, const QString& text, const QString& detail) override {
        messages << text;
        details << detail;
    }
    Answer askYesNoCancel(QWidget*, const QString& text, const QString&) override {
        questions << text;
        if (onQuestion) {
            onQuestion(text);
        }
        return take(answers, Answer::Cancel);
    }
    bool askYesNo(QWidget*, const QString& text, const QString&) override {
        questions << text;
        return take(yesNoAnswers, false);
    }
    QString openFileName(QWidget*, const QString&) override { return take(openNames, QString()); }
    QString saveFileName(QWidget*, const QString&, const QString&) override {
        ++saveDialogs;
        return take(saveNames, QString());
    }
    std::deque<std::optional<FontChoice>> fonts; // nothing (cancel) when empty
    std::optional<FontChoice> chooseFont(QWidget*) override {
        return take(fonts, std::optional<FontChoice>());
    }
    bool shellOpen(const QString& path) override {
        shellOpened << path;
        return shellSucceeds;
    }
    std::deque<QStringList> openNameLists; // nothing chosen when empty
    QStringList openFileNames(QWidget*, const QString&) override {
        return take(openNameLists, QStringList());
    }
    // Each program started, with its arguments.
    std::vector<std::pair<QString, QStringList>> started;
    bool startSucceeds = true;
    bool startProgram(const QString& program, const QStringList& arguments) override {
        started.emplace_back(program, arguments);
        return startSucceeds;
    }

    bool openAddress(const QString& address) override {
        addressesOpened << address;
        return true;
    }

    // Choose Color: what each opening was preset with, and the answers
    // (cancel when empty).
    std::vector<ColorChoice> colorInitials;
    std::deque<std::optional<ColorChoice>> colors;
    std::optional<ColorChoice> chooseColor(QWidget*, const ColorChoice& initial,
                                           const ColorNames&) override {
        colorInitials.push_back(initial);
        return take(colors, std::optional<ColorChoice>());
    }
    // The platform's colour dialog: the colour each opening started from, and
    // the answers (cancel when empty).
    std::vector<QColor> pickInitials;
    std::deque<std::optional<QColor>> picks;
    std::optional<QColor> pickColor(QWidget*, const QColor& initial) override {
        pickInitials.push_back(initial);
        return take(picks, std::optional<QColor>());
    }
    // Choose Predefined Value: the values each opening offered, and the
    // answers (cancel when empty).
    std::vector<std::vector<std::string>> valueOffers;
    std::deque<std::optional<std::string>> values;
    std::optional<std::string> chooseValue(QWidget*,
                                           const std::vector<std::string>& offered) override {
        valueOffers.push_back(offered);
        return take(values, std::optional<std::string>());
    }

    // Each folder the file dialogs were told to start in.
    QStringList dialogFolders;
    void setDialogFolder(const QString& folder) override { dialogFolders << folder; }

private:
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
