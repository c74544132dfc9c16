// Replaced by the game core.
