object F: TForm
  object P: TNoSuchClass
  end
end
