object F: TForm
  Caption = nil
end
