# Tracker and assignment screens.
