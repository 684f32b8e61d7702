namespace lukana {}
