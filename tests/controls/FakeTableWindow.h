#pragma once

#include <string>

#include "BasicGridTable.h"
#include "TableWindow.h"

// Stands in for the window layer: records how it was shown and what it was titled.
class FakeTableWindow : public quarlo::TableWindow {
public:
    explicit FakeTableWindow(bool modal) : m_modal(modal) {}
    void Display() override { ++displayCount; }
    bool IsModal() const override { return m_modal; }
    void SetTitle(const std::string& text) override { title = text; }

    int displayCount = 0;
    std::string title;

private:
    bool m_modal;
};

// Installs a factory creating FakeTableWindows for variant V while in scope.
template <class V>
class FakeWindowScope {
public:
    FakeWindowScope() {
        quarlo::BasicGridTable<V>::WindowFactory = [this](quarlo::BasicGridTable<V>& table, bool modal) {
            ++created;
            lastModal = modal;
            auto window = std::make_unique<FakeTableWindow>(modal);
            window->title = table.WindowTitle();
            return window;
        };
    }
    ~FakeWindowScope() { quarlo::BasicGridTable<V>::WindowFactory = nullptr; }
    FakeWindowScope(const FakeWindowScope&) = delete;
    FakeWindowScope& operator=(const FakeWindowScope&) = delete;

    int created = 0;
    bool lastModal = false;
};
