// A vntab form in an SDL2 window: click the tabs, use the arrow keys and Alt with a caption's
// underlined letter, resize the window. Every event of the tab control is printed.
//   embed [FORM.frm] [--frames N] [--click X Y] [--png OUT.png] [--save OUT.frm]
// Without a form it shows a lone tab control. --frames N stops after N frames (with
// SDL_VIDEODRIVER=dummy it runs without a display), --click presses and releases the left button
// at (X, Y) through SDL's event queue, --png and --save write the form's picture and file at the end.
#include <SDL.h>
#include <vntab/vntab.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

// The key code vntab expects for an SDL key, 0 for a key the tab control has no use for.
int key_code(SDL_Keycode key) {
    static const std::pair<SDL_Keycode, int> named[] = {
        {SDLK_LEFT, vntab::keys::Left},   {SDLK_RIGHT, vntab::keys::Right},
        {SDLK_UP, vntab::keys::Up},       {SDLK_DOWN, vntab::keys::Down},
        {SDLK_TAB, vntab::keys::Tab},     {SDLK_RETURN, vntab::keys::Enter},
        {SDLK_SPACE, vntab::keys::Space}, {SDLK_ESCAPE, vntab::keys::Escape}};
    for (const auto& [sdl, code] : named)
        if (key == sdl) return code;
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    return 0;
}

unsigned modifiers(Uint16 mod) {
    return (mod & KMOD_SHIFT ? vntab::ShiftKey : 0u) | (mod & KMOD_CTRL ? vntab::CtrlKey : 0u) |
           (mod & KMOD_ALT ? vntab::AltKey : 0u);
}

vntab::MouseButton button(Uint8 b) {
    return b == SDL_BUTTON_RIGHT    ? vntab::MouseButton::Right
           : b == SDL_BUTTON_MIDDLE ? vntab::MouseButton::Middle
                                    : vntab::MouseButton::Left;
}

void push_button(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

// Prints an event with its whole-number and true/false arguments: "AfterTabChanged NewTab=2".
void print_event(const vntab::Event& e) {
    std::printf("%s", e.name.c_str());
    for (const auto& [name, value] : e.args) {
        if (auto* n = std::get_if<std::int32_t>(&value)) std::printf(" %s=%d", name.c_str(), *n);
        if (auto* b = std::get_if<bool>(&value)) std::printf(" %s=%s", name.c_str(), *b ? "True" : "False");
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) try {
    std::string form_path, png, save;
    int frames = 0, click_x = -1, click_y = -1;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--frames" && i + 1 < argc)
            frames = std::atoi(argv[++i]);
        else if (a == "--png" && i + 1 < argc)
            png = argv[++i];
        else if (a == "--save" && i + 1 < argc)
            save = argv[++i];
        else if (a == "--click" && i + 2 < argc)
            click_x = std::atoi(argv[++i]), click_y = std::atoi(argv[++i]);
        else
            form_path = a;
    }
    vntab::Form form = form_path.empty() ? vntab::Form::lone_control(480, 300) : vntab::Form::open(form_path);
    if (form_path.empty()) {
        form.set("TabCount", 3);
        const char* captions[] = {"&Start", "&Colours", "&About"};
        for (int i = 1; i <= 3; ++i)
            form.set_tab(i, "Caption", std::string(captions[i - 1]));
    }
    form.on_event(print_event);

    if (SDL_Init(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
    SDL_Window* window = SDL_CreateWindow("vntab", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          form.width(), form.height(), SDL_WINDOW_RESIZABLE);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) throw std::runtime_error(SDL_GetError());
    SDL_Texture* texture = nullptr;
    if (click_x >= 0) {
        push_button(SDL_MOUSEBUTTONDOWN, click_x, click_y);
        push_button(SDL_MOUSEBUTTONUP, click_x, click_y);
    }

    for (int frame = 0; frames == 0 || frame < frames; ++frame) {
        SDL_Event e;
        bool quit = false;
        // Wait for something to happen while a person watches; run straight through otherwise.
        for (bool got = frames ? SDL_PollEvent(&e) : SDL_WaitEvent(&e); got; got = SDL_PollEvent(&e)) {
            if (e.type == SDL_QUIT)
                quit = true;
            else if (e.type == SDL_MOUSEBUTTONDOWN && e.button.clicks == 2 &&
                     e.button.button == SDL_BUTTON_LEFT)
                form.double_click(e.button.x, e.button.y, modifiers(SDL_GetModState()));
            else if (e.type == SDL_MOUSEBUTTONDOWN)
                form.mouse_down(e.button.x, e.button.y, button(e.button.button),
                                modifiers(SDL_GetModState()));
            else if (e.type == SDL_MOUSEBUTTONUP)
                form.mouse_up(e.button.x, e.button.y, button(e.button.button), modifiers(SDL_GetModState()));
            else if (e.type == SDL_MOUSEMOTION) {
                const Uint32 s = e.motion.state;
                const unsigned held = (s & SDL_BUTTON_LMASK ? 1u : 0u) | (s & SDL_BUTTON_RMASK ? 2u : 0u) |
                                      (s & SDL_BUTTON_MMASK ? 4u : 0u);
                form.mouse_move(e.motion.x, e.motion.y, held, modifiers(SDL_GetModState()));
            } else if (e.type == SDL_KEYDOWN && key_code(e.key.keysym.sym))
                form.key(key_code(e.key.keysym.sym), modifiers(e.key.keysym.mod));
            else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                form.resize(e.window.data1, e.window.data2);
        }
        if (quit) break;
        const vntab::Image image = form.pixels();
        int w = -1, h = -1;
        if (texture) SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
        if (w != image.width || h != image.height) { // a new size: a new texture
            if (texture) SDL_DestroyTexture(texture);
            texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                        image.width, image.height);
        }
        SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
    }
    if (!png.empty()) form.write_png(png);
    if (!save.empty()) form.save(save);
    SDL_Quit(); // closes the window, its renderer and texture
    return 0;
} catch (const std::exception& e) {
    std::fprintf(stderr, "embed: %s\n", e.what());
    return 1;
}
