// Record classes arrive with the next change.
