#!/usr/bin/env python3
"""Writes the control's mouse cursors as 32x32 monochrome .cur files from the drawings below.

Each drawing is 16x16 and doubled on both axes: '#' black, '.' white, ' ' transparent; 'H' (black)
or 'h' (white) marks the hot spot. Run from this folder: python3 make_cursors.py
"""
import struct

CURSORS = {
    # a pointer with a four-way arrow: over an edge of the selection frame
    "frame_move.cur": """
H               
#.#             
#..#      #     
#...#    #.#    
#....#  #...#   
#.....#  #.#    
#..####### ####.
#..#  #.......# 
#.#    #####.#  
##      # #.#   
        # #.#   
         #...#  
          #.#   
           #    
                
                """,
    # a pointer with a dotted box and a plus sign: dragging a copy
    "drag_copy.cur": """
H               
#.#             
#..#            
#...#           
#....#          
#.....#         
#..####         
#.#             
##  # # # # #   
   .         .  
   #     ##  #  
   .   ######.  
   #     ##  #  
   .         .  
    # # # # #   
                """,
    # a thick arrow pointing down: selecting a column
    "select_column.cur": """
     #####      
     #...#      
     #...#      
     #...#      
     #...#      
     #...#      
  ####...####   
   #.......#    
    #.....#     
     #...#      
      #h#       
       #        
                
                
                
                """,
    # a thick arrow pointing right: selecting a row
    "select_row.cur": """
                
        #       
        ##      
        #.#     
        #..#    
 ########...#   
 #...........#  
 #..........h#  
 #...........#  
 ########...#   
        #..#    
        #.#     
        ##      
        #       
                
                """,
    # a pointer with a dotted box: dragging the selected block
    "drag_move.cur": """
H               
#.#             
#..#            
#...#           
#....#          
#.....#         
#..####         
#.#             
##  # # # # #   
   .         .  
   #         #  
   .         .  
   #         #  
   .         .  
    # # # # #   
                """,
    # a bar with arrows left and right: resizing a column
    "size_column.cur": """
                
       ##       
       ##       
    #  ##  #    
   ##  ##  ##   
  #.####.###.#  
 #.....hH.....# 
  #.####.###.#  
   ##  ##  ##   
    #  ##  #    
       ##       
       ##       
                
                
                
                """,
    # a bar with arrows up and down: resizing a row
    "size_row.cur": """
       #        
      #.#       
     #...#      
    ###.###     
      #.#       
  ############  
  ......H.....  
  ############  
      #.#       
    ###.###     
     #...#      
      #.#       
       #        
                
                
                """,
}

SIZE = 32


def parse(art):
    lines = art.strip("\n").split("\n")
    assert len(lines) == 16, len(lines)
    pixels, hotspot = [], (0, 0)
    for y, line in enumerate(lines):
        line = line.ljust(16)
        assert len(line) == 16, line
        for x, ch in enumerate(line):
            if ch in "Hh":
                hotspot = (x * 2, y * 2)
        pixels.append(line)
    return pixels, hotspot


def cursor(art):
    pixels, (hx, hy) = parse(art)
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bottom-up
        xor_bits = and_bits = 0
        for x in range(SIZE):
            ch = pixels[y // 2][x // 2]
            bit = 1 << (31 - x)
            if ch == " ":
                and_bits |= bit
            elif ch in ".h":
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    image = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(image), 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    body = header + palette + image
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hx, hy, len(body), 6 + 16)
    return directory + entry + body


if __name__ == "__main__":
    for name, art in CURSORS.items():
        with open(name, "wb") as out:
            out.write(cursor(art))
