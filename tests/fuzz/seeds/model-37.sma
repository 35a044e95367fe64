3
0, 
3, span
11.5, 
2
1, 1, 1, 
3, 1, 0, x
1
2E8, x
2
8.5E-6, "quoted, with comma"
0.0004, x
2
1, 2, 1, 2, x
3, 2
1, 2, "quoted, with comma"
1
2, 1, 4, 14, 0.5, 0.25, x
1
3, 4, 0, x
