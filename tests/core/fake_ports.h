#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/ports.h"

// Test doubles of the ports: a window that records what the player would see and answers input
// boxes from a list, and a random source that hands out given numbers.
namespace vekselgrad::testing_ports {

inline std::string formName(Form form) {
    return form == Form::Form4 ? "Form4" : form == Form::Form5 ? "Form5" : "Form6";
}

class FakeWindow : public Window {
public:
    std::vector<std::string> events;              // everything shown, in order
    std::map<std::string, std::string> boxes;     // "Form4 saf(1)" -> last text
    std::vector<std::string> printed;             // lines printed since the last clear
    std::deque<std::string> answers;              // answers to the next input boxes
    std::function<void(Form, EndgameEvents&)> onShowModal;  // plays the player's gestures

    void setBox(Form form, std::string_view box, std::string_view text) override {
        const std::string key = formName(form) + " " + std::string(box);
        boxes[key] = text;
        events.push_back("box " + key + "=" + std::string(text));
    }
    void print(Form form, std::string_view line) override {
        printed.emplace_back(line);
        events.push_back("print " + formName(form) + " " + std::string(line));
    }
    void clearPrinted(Form form) override {
        printed.clear();
        events.push_back("clear " + formName(form));
    }
    void messageBox(std::string_view text, std::string_view caption,
                    MessageIcon icon) override {
        events.push_back("msgbox " + std::string(text) + " | " + std::string(caption) +
                         (icon == MessageIcon::information ? " | information" : ""));
    }
    std::string inputBox(std::string_view body, std::string_view caption) override {
        if (answers.empty()) {
            throw std::runtime_error("no answer left for input box: " + std::string(body));
        }
        std::string answer = answers.front();
        answers.pop_front();
        events.push_back("input " + std::string(body) + " | " + std::string(caption) + " -> " +
                         answer);
        return answer;
    }
    void showModal(Form form, EndgameEvents& endgame) override {
        events.push_back("show " + formName(form));
        if (onShowModal) {
            onShowModal(form, endgame);
        }
    }
    void unload(Form form) override { events.push_back("unload " + formName(form)); }

    std::string box(const std::string& key) const {
        const auto it = boxes.find(key);
        return it == boxes.end() ? std::string("<unwritten>") : it->second;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.starts_with("msgbox ")) {
                out.push_back(e);
            }
        }
        return out;
    }
};

class FakeRandom : public RandomSource {
public:
    std::deque<float> numbers;
    int drawn = 0;

    FakeRandom() = default;
    FakeRandom(std::initializer_list<float> given) : numbers(given) {}

    float next() override {
        if (numbers.empty()) {
            throw std::runtime_error("the test ran out of random numbers");
        }
        const float r = numbers.front();
        numbers.pop_front();
        ++drawn;
        return r;
    }
    void seedFromClock() override {}
};

}  // namespace vekselgrad::testing_ports
