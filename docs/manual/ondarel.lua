-- Pandoc filter for the user manual.
--  * A code block of class "calc" holds ondarel-calc arguments, one command a
--    line; it becomes the command and what the tool prints, so the worked
--    designs always show the program's own results.
--  * A picture under img/ that the screenshot test did not take (a calculator
--    not built yet) is left out and listed in ONDAREL_MISSING.
--  * Links between pages: "page.md" becomes "page.html".
local calc = os.getenv("ONDAREL_CALC")
local pictures = os.getenv("ONDAREL_PICTURES")
local missing = os.getenv("ONDAREL_MISSING")

local function note_missing(what)
  if not missing then return end
  local f = io.open(missing, "a")
  f:write(PANDOC_STATE.input_files[1] or "?", " ", what, "\n")
  f:close()
end

local function exists(path)
  local f = io.open(path, "r")
  if f then f:close() return true end
  return false
end

local function split(line)
  local words = {}
  for w in line:gmatch("%S+") do words[#words + 1] = w end
  return words
end

function CodeBlock(block)
  if not block.classes:includes("calc") then return nil end
  local shown = {}
  for line in block.text:gmatch("[^\n]+") do
    local args = split(line)
    shown[#shown + 1] = "$ ondarel-calc " .. line
    -- Through sh only to keep the usage text of an unknown extension quiet.
    local ok, output = pcall(pandoc.pipe, "sh", {"-c", 'exec "$0" "$@" 2>/dev/null', calc, table.unpack(args)}, "")
    if ok then
      shown[#shown + 1] = (output:gsub("\n$", ""))
    elseif args[1] == "run" then
      -- No calculator for this extension yet: the page shows the command.
      note_missing("calc " .. line)
    else
      error("ondarel-calc " .. line .. " failed: " .. tostring(output))
    end
  end
  return pandoc.CodeBlock(table.concat(shown, "\n"), {class = "console"})
end

function Image(img)
  local name = img.src:match("^img/(.+)$")
  if not name or not pictures then return nil end
  if exists(pictures .. "/" .. name) then return nil end
  note_missing("picture " .. name)
  return {}
end

function Link(link)
  link.target = link.target:gsub("^([%w%-_]+)%.md(#?.*)$", "%1.html%2")
  return link
end
