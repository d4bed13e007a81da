// The five menu commands.
#include "game/game.h"
#include "menus/prompts.h"

namespace quandrel {

void Game::mnuReset_Click() { Form_Load(); }

void Game::mnuQuit_Click() { window_.endProgram(); }

void Game::mnuObject_Click() {
    const Board saved = board;
    board = GoalLayout();
    DrawBoard();
    // The player's board comes back however the box was closed.
    window_.messageBox(kObjectPrompt, kOkOnly, kObjectTitle);
    board = saved;
    DrawBoard();
}

void Game::mnuHelpSolv_Click() { ShowBoxThenRedraw(kSolutionPrompt, kSolutionTitle); }

void Game::mnuHelpAbout_Click() { ShowBoxThenRedraw(kAboutPrompt, kAboutTitle); }

void Game::ShowBoxThenRedraw(const std::string& prompt, const std::string& title) {
    if (window_.messageBox(prompt, kOkOnly, title) == kOk) DrawBoard();
}

}  // namespace quandrel
