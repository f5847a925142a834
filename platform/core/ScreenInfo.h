#pragma once
// The primary screen's size in pixels. The program asks the window system;
// the command-line tool and tests give fixed numbers.

class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
};

class FixedScreen final : public ScreenInfo {
public:
    FixedScreen(int width, int height) : w(width), h(height) {}
    int screenWidth() const override { return w; }
    int screenHeight() const override { return h; }

private:
    int w;
    int h;
};
